#include "emulator/ImageHost.h"

#include "emulator/SampleImages.h"

namespace emulator {

std::string ImageHost::addPNG(const std::string& path, int width, int height, std::uint8_t red, std::uint8_t green,
                              std::uint8_t blue) {
    std::string png = solidPNG(width, height, red, green, blue);
    addBytes(path, png, "image/png");
    return png;
}

std::string ImageHost::addJPEG(const std::string& path, int width, int height, std::uint8_t red, std::uint8_t green,
                               std::uint8_t blue) {
    std::string jpeg = solidJPEG(width, height, red, green, blue);
    addBytes(path, jpeg, "image/jpeg");
    return jpeg;
}

std::string ImageHost::addHTML(const std::string& path, const std::string& html) {
    addBytes(path, html, "text/html; charset=utf-8");
    return html;
}

void ImageHost::addBytes(const std::string& path, const std::string& body, const std::string& contentType,
                         int status) {
    server_.route("*", path, [body, contentType, status](const LoggedRequest&, Reply& reply) {
        reply.status = status;
        reply.contentType = contentType;
        reply.body = body;
    });
}

void ImageHost::setDelay(const std::string& path, double seconds) {
    if (seconds <= 0)
        server_.clearFault(path);
    else
        server_.setFault(path, Fault::delayed(seconds));
}

std::size_t ImageHost::requestCount(const std::string& path) const {
    std::size_t count = 0;
    for (const auto& entry : server_.log().entries())
        if (entry.path == path) ++count;
    return count;
}

}  // namespace emulator
