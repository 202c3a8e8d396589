#include "platform/net/URLSessionDownloadTask.h"

#include <nlohmann/json.hpp>

#include <filesystem>

#include "platform/net/URLSession.h"

namespace ns {

namespace {
constexpr const char* kResumeFormat = "keelbox.download.resume.1";
}

std::optional<Data> URLSessionDownloadTask::makeResumeData() const {
    if (downloadPath_.empty() || !currentRequest_.url() || currentRequest_.HTTPMethod() != "GET") return std::nullopt;
    std::error_code error;
    auto size = std::filesystem::file_size(downloadPath_, error);
    if (error || size == 0) return std::nullopt;
    nlohmann::json json;
    json["format"] = kResumeFormat;
    json["url"] = currentRequest_.url()->absoluteString();
    json["timeout"] = currentRequest_.timeoutInterval();
    nlohmann::json headers = nlohmann::json::array();
    for (const auto& [name, value] : currentRequest_.allHTTPHeaderFields())
        if (!equalsIgnoringASCIICase(name, "Range") && !equalsIgnoringASCIICase(name, "If-Range"))
            headers.push_back({name, value});
    json["headers"] = headers;
    json["path"] = downloadPath_;
    json["offset"] = static_cast<std::int64_t>(size);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (resumeValidator_) json["validator"] = *resumeValidator_;
    }
    return Data::fromString(json.dump());
}

bool URLSessionDownloadTask::parseResumeData(const Data& data, URLRequest& request, std::string& path,
                                             std::int64_t& offset, std::optional<std::string>& validator) {
    auto json = nlohmann::json::parse(data.toString(), nullptr, false);
    if (!json.is_object() || !json.contains("format") || json["format"] != kResumeFormat) return false;
    if (!json["url"].is_string() || !json["path"].is_string() || !json["offset"].is_number_integer()) return false;
    auto url = URL::URLWithString(json["url"].get<std::string>());
    if (!url) return false;
    path = json["path"].get<std::string>();
    offset = json["offset"].get<std::int64_t>();
    std::error_code error;
    // A write that raced the cancel may have added bytes past the offset;
    // the resumed task cuts them off.
    if (offset <= 0 || std::filesystem::file_size(path, error) < static_cast<std::uintmax_t>(offset) || error)
        return false;
    double timeout = json.contains("timeout") && json["timeout"].is_number() ? json["timeout"].get<double>()
                                                                             : URLRequest::kDefaultTimeoutInterval;
    MutableURLRequest resumed(url, kURLRequestUseProtocolCachePolicy, timeout);
    if (json["headers"].is_array())
        for (const auto& field : json["headers"])
            if (field.is_array() && field.size() == 2 && field[0].is_string() && field[1].is_string())
                resumed.setValue(field[1].get<std::string>(), field[0].get<std::string>());
    request = resumed;
    if (json.contains("validator") && json["validator"].is_string()) validator = json["validator"].get<std::string>();
    return true;
}

void URLSessionDownloadTask::cancelByProducingResumeData(std::function<void(const std::optional<Data>&)> handler) {
    std::shared_ptr<URLTransfer> transfer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        transfer = transfer_;
    }
    // Stop the writer first so the file holds exactly what the data says.
    if (transfer) transfer->cancel();
    {
        std::lock_guard<std::mutex> lock(fileMutex_);
        if (downloadFile_) std::fflush(downloadFile_);
    }
    auto resume = makeResumeData();
    cancel();
    if (!handler) return;
    if (auto session = session_.lock())
        session->enqueue([handler, resume] { handler(resume); });
}

}  // namespace ns
