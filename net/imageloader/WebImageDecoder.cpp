#include "net/imageloader/WebImageDecoder.h"

#include "net/imageloader/UIImageForceDecode.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<WebImageDecoder> WebImageDecoder::sharedImageDecoder() { return ns::Singleton<WebImageDecoder>::get(); }

std::shared_ptr<WebImageDecoder> WebImageDecoder::create() {
    std::shared_ptr<WebImageDecoder> decoder(new WebImageDecoder());
    decoder->imageDecodingQueue_ = ns::OperationQueue::create();
    return decoder;
}

void WebImageDecoder::decodeImage(const ui::ImagePtr& image, const std::shared_ptr<WebImageDecoderDelegate>& delegate,
                                  const ns::Value& userInfo) {
    imageDecodingQueue_->addOperationWithBlock([image, delegate, userInfo] {
        ui::ImagePtr decoded = UIImageForceDecode::decodedImageWithImage(image);
        if (!decoded) decoded = image;
        dispatch::Queue::main()->async([decoded, delegate, userInfo] {
            if (delegate) delegate->imageDecoderDidFinishDecodingImage(decoded, userInfo);
        });
    });
}
