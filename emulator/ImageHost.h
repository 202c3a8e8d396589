// A loopback web host for image loading tests: serves PNG and JPEG
// pictures, an HTML page under an image-looking URL, or any bytes, each at
// a path of its own; can delay a path's answer; counts the requests per path.
//
//   emulator::ImageHost host;
//   host.start();
//   host.addPNG("/avatar.png", 8, 8);
//   host.setDelay("/avatar.png", 0.3);
//   ... host.url("/avatar.png") ..., host.requestCount("/avatar.png") ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "emulator/HttpServer.h"

namespace emulator {

class ImageHost {
public:
    ImageHost() = default;
    ImageHost(const ImageHost&) = delete;
    ImageHost& operator=(const ImageHost&) = delete;

    // Binds a free 127.0.0.1 port; false when it could not.
    bool start() { return server_.start(); }
    void stop() { server_.stop(); }
    std::string url(const std::string& path) const { return server_.url(path); }

    // Each answers the bytes it serves at `path` (replacing what was there).
    std::string addPNG(const std::string& path, int width, int height, std::uint8_t red = 200,
                       std::uint8_t green = 40, std::uint8_t blue = 40);
    std::string addJPEG(const std::string& path, int width, int height, std::uint8_t red = 40,
                        std::uint8_t green = 40, std::uint8_t blue = 200);
    // An error page where a picture was expected (status 200, text/html).
    std::string addHTML(const std::string& path, const std::string& html = "<html><body>Not here</body></html>");
    void addBytes(const std::string& path, const std::string& body, const std::string& contentType, int status = 200);

    // Real seconds to wait before answering `path` (0: at once).
    void setDelay(const std::string& path, double seconds);
    // Requests received for `path` so far (any method, any query).
    std::size_t requestCount(const std::string& path) const;
    // Requests received for every path.
    std::size_t totalRequestCount() const { return server_.log().count(); }

    HttpServer& server() { return server_; }

private:
    HttpServer server_;
};

}  // namespace emulator
