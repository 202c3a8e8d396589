#include "net/views/UIWebViewTNNetworking.h"

#include "net/imageloader/AssociatedObject.h"
#include "platform/foundation/StringEncoding.h"

namespace {

struct WebViewLoad {
    TNHTTPRequestOperationPtr operation;
    TNHTTPRequestSerializerPtr requestSerializer;
    TNHTTPResponseSerializerPtr responseSerializer;
};

AssociatedObject<WebViewLoad>& loads() {
    static AssociatedObject<WebViewLoad> table;
    return table;
}

std::shared_ptr<WebViewLoad> loadOf(const std::shared_ptr<ui::WebView>& view) {
    return loads().getOrMake(view, [] { return std::make_shared<WebViewLoad>(); });
}

ns::StringEncoding encodingNamed(const std::optional<std::string>& name) {
    if (name) {
        if (auto encoding = ns::str::encodingFromIANACharsetName(*name)) return *encoding;
    }
    return ns::kUTF8StringEncoding;
}

}  // namespace

TNHTTPRequestSerializerPtr UIWebViewTNNetworking::requestSerializer(const std::shared_ptr<ui::WebView>& view) {
    if (view) {
        if (auto load = loads().get(*view); load && load->requestSerializer) return load->requestSerializer;
    }
    static auto shared = TNHTTPRequestSerializer::serializer();
    return shared;
}

void UIWebViewTNNetworking::setRequestSerializer(const std::shared_ptr<ui::WebView>& view,
                                                 TNHTTPRequestSerializerPtr serializer) {
    if (view) loadOf(view)->requestSerializer = std::move(serializer);
}

TNHTTPResponseSerializerPtr UIWebViewTNNetworking::responseSerializer(const std::shared_ptr<ui::WebView>& view) {
    if (view) {
        if (auto load = loads().get(*view); load && load->responseSerializer) return load->responseSerializer;
    }
    static auto shared = TNHTTPResponseSerializer::serializer();
    return shared;
}

void UIWebViewTNNetworking::setResponseSerializer(const std::shared_ptr<ui::WebView>& view,
                                                  TNHTTPResponseSerializerPtr serializer) {
    if (view) loadOf(view)->responseSerializer = std::move(serializer);
}

TNHTTPRequestOperationPtr UIWebViewTNNetworking::HTTPRequestOperation(const std::shared_ptr<ui::WebView>& view) {
    if (!view) return nullptr;
    auto load = loads().get(*view);
    return load ? load->operation : nullptr;
}

void UIWebViewTNNetworking::loadRequest(const std::shared_ptr<ui::WebView>& view, const ns::URLRequest& request,
                                        Progress progress, TextSuccess success, Failure failure) {
    DataSuccess recode = [success](const ns::HTTPURLResponsePtr& response, const ns::Data& body) -> ns::Data {
        const ns::StringEncoding encoding = encodingNamed(response ? response->textEncodingName() : std::nullopt);
        std::string text = ns::str::fromData(body, encoding).value_or(std::string());
        if (success) text = success(response, text);
        return ns::str::dataUsingEncoding(text, encoding).value_or(ns::Data());
    };
    loadRequest(view, request, std::nullopt, std::nullopt, std::move(progress), std::move(recode), std::move(failure));
}

void UIWebViewTNNetworking::loadRequest(const std::shared_ptr<ui::WebView>& view, const ns::URLRequest& request,
                                        const std::optional<std::string>& MIMEType,
                                        const std::optional<std::string>& textEncodingName, Progress progress,
                                        DataSuccess success, Failure failure) {
    if (!view) return;
    auto load = loadOf(view);
    if (load->operation) load->operation->cancel();

    ns::URLRequest serialized = requestSerializer(view)->requestBySerializingRequest(request, ns::Value(), nullptr);
    auto operation = TNHTTPRequestOperation::create(serialized);
    operation->setResponseSerializer(responseSerializer(view));
    operation->setDownloadProgressBlock(std::move(progress));
    load->operation = operation;

    std::weak_ptr<ui::WebView> weakView = view;
    operation->setCompletionBlockWithSuccess(
        [weakView, success, MIMEType, textEncodingName](const TNHTTPRequestOperationPtr& finished, const ns::Value&) {
            auto response = finished->HTTPResponse();
            ns::Data body = finished->responseData().value_or(ns::Data());
            ns::Data data = success ? success(response, body) : body;
            auto view = weakView.lock();
            if (!view) return;
            // The stand-in shows page text: the bytes read in the encoding
            // named (or the response's), under the response's URL.
            const auto encodingName = textEncodingName ? textEncodingName
                                                       : (response ? response->textEncodingName() : std::nullopt);
            (void)MIMEType;
            std::string text = ns::str::fromData(data, encodingNamed(encodingName)).value_or(data.toString());
            view->loadHTMLString(text, response && response->url() ? response->url()->absoluteString() : std::string());
        },
        [failure](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
            if (failure) failure(error);
        });
    operation->start();
}
