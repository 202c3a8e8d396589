// A web view that loads its content through a request operation, with
// per-view request and response serializers (shared plain ones otherwise).
// The web view stand-in shows what it is given as page text, under the
// response's URL.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "net/http/TNHTTPRequestOperation.h"
#include "net/http/TNHTTPRequestSerializer.h"
#include "platform/ui/WebView.h"

class UIWebViewTNNetworking {
public:
    using Progress = TNURLConnectionOperation::ProgressBlock;
    using TextSuccess = std::function<std::string(const ns::HTTPURLResponsePtr&, const std::string& text)>;
    using DataSuccess = std::function<ns::Data(const ns::HTTPURLResponsePtr&, const ns::Data& body)>;
    using Failure = std::function<void(const ns::ErrorPtr&)>;

    static TNHTTPRequestSerializerPtr requestSerializer(const std::shared_ptr<ui::WebView>& view);
    static void setRequestSerializer(const std::shared_ptr<ui::WebView>& view, TNHTTPRequestSerializerPtr serializer);
    static TNHTTPResponseSerializerPtr responseSerializer(const std::shared_ptr<ui::WebView>& view);
    static void setResponseSerializer(const std::shared_ptr<ui::WebView>& view, TNHTTPResponseSerializerPtr serializer);

    // The body as text in the response's encoding (UTF-8 when it names
    // none we know); the success callback may replace the text.
    static void loadRequest(const std::shared_ptr<ui::WebView>& view, const ns::URLRequest& request, Progress progress,
                            TextSuccess success, Failure failure);
    // The body as it came, or as the success callback answers; the MIME
    // type and encoding name default to the response's.
    static void loadRequest(const std::shared_ptr<ui::WebView>& view, const ns::URLRequest& request,
                            const std::optional<std::string>& MIMEType,
                            const std::optional<std::string>& textEncodingName, Progress progress, DataSuccess success,
                            Failure failure);
    // The load in flight.
    static TNHTTPRequestOperationPtr HTTPRequestOperation(const std::shared_ptr<ui::WebView>& view);
};
