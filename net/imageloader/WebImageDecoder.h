// WebImageDecoder: decompresses images on a background queue and hands the
// result to its delegate on the main thread.
#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Image.h"

class WebImageDecoderDelegate {
public:
    virtual ~WebImageDecoderDelegate() = default;
    virtual void imageDecoderDidFinishDecodingImage(const ui::ImagePtr& image, const ns::Value& userInfo) = 0;
};

class WebImageDecoder : public ns::Object {
public:
    static std::shared_ptr<WebImageDecoder> sharedImageDecoder();
    static std::shared_ptr<WebImageDecoder> create();
    // The delegate gets the decoded copy, or the image itself when it could
    // not be decoded.
    void decodeImage(const ui::ImagePtr& image, const std::shared_ptr<WebImageDecoderDelegate>& delegate,
                     const ns::Value& userInfo);

private:
    WebImageDecoder() = default;
    std::shared_ptr<ns::OperationQueue> imageDecodingQueue_;
};
