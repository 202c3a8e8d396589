#include "platform/ui/AssetsLibrary.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <set>

#include "platform/foundation/DispatchQueue.h"

namespace fs = std::filesystem;

namespace ui {

namespace {

std::mutex switchesMutex;
std::set<std::string> vanishedURLs;
std::set<std::string> failingURLs;

bool isVanished(const std::string& url) {
    std::lock_guard<std::mutex> lock(switchesMutex);
    return vanishedURLs.count(url) != 0;
}

bool isFailing(const std::string& url) {
    std::lock_guard<std::mutex> lock(switchesMutex);
    return failingURLs.count(url) != 0;
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}

// The folder the XDG user-dirs file names under `key` ("$HOME/Pictures"),
// or `fallback` under the home folder.
std::string xdgUserDirectory(const std::string& key, const std::string& fallback) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string file = (config && *config ? std::string(config) : homeFolder() + "/.config") + "/user-dirs.dirs";
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value = line.substr(key.size() + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = homeFolder() + value.substr(5);
        if (!value.empty()) return value;
    }
    return homeFolder() + "/" + fallback;
}

std::string lowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

void onMainQueueLater(std::function<void()> block) { dispatch::Queue::main()->async(std::move(block)); }

}  // namespace

// --- AssetRepresentation ---------------------------------------------------

AssetRepresentationPtr AssetRepresentation::create(std::string path, std::string url, std::int64_t size) {
    return AssetRepresentationPtr(new AssetRepresentation(std::move(path), std::move(url), size));
}

std::string AssetRepresentation::filename() const { return fs::path(path_).filename().string(); }

std::size_t AssetRepresentation::getBytes(std::uint8_t* buffer, std::int64_t offset, std::size_t length,
                                          ns::ErrorPtr* error) const {
    if (isFailing(url_) || offset < 0) {
        if (error) *error = ns::Error::withDescription("ALAssetsLibraryErrorDomain", -3300, "the asset cannot be read");
        return 0;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        if (error) *error = ns::Error::withDescription("ALAssetsLibraryErrorDomain", -3300, "the asset cannot be read");
        return 0;
    }
    in.seekg(offset);
    if (!in) return 0;
    in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(length));
    return static_cast<std::size_t>(in.gcount());
}

// --- Asset -------------------------------------------------------------------

AssetPtr Asset::create(std::string path, AssetKind kind) { return AssetPtr(new Asset(std::move(path), kind)); }

Asset::Asset(std::string path, AssetKind kind) : path_(std::move(path)), kind_(kind) {
    std::error_code error;
    const auto size = fs::file_size(path_, error);
    representation_ = AssetRepresentation::create(path_, AssetsLibrary::urlForPath(path_),
                                                  error ? 0 : static_cast<std::int64_t>(size));
}

std::string Asset::type() const { return kind_ == AssetKind::Video ? "ALAssetTypeVideo" : "ALAssetTypePhoto"; }

ImagePtr Asset::thumbnail() const {
    // The phone keeps thumbnails ready; here a photo is decoded on demand,
    // so very large files get the generic picture instead of a long read.
    constexpr std::int64_t kLargestDecoded = 32 * 1024 * 1024;
    if (kind_ == AssetKind::Photo && representation_->size() <= kLargestDecoded) {
        if (auto image = Image::imageWithContentsOfFile(path_)) return image;
    }
    return Image::imageNamed(kind_ == AssetKind::Video ? "ft_mp4" : "ic_type_unknown");
}

// --- AssetsGroup -------------------------------------------------------------

AssetsGroupPtr AssetsGroup::create(std::string name, std::string folder, unsigned type) {
    return AssetsGroupPtr(new AssetsGroup(std::move(name), std::move(folder), type));
}

std::vector<AssetPtr> AssetsGroup::assets() const {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    std::vector<AssetPtr> out;
    for (const auto& file : files) {
        auto kind = AssetsLibrary::kindForPath(file);
        if (!kind) continue;
        if (filter_ == AssetsFilter::AllPhotos && *kind != AssetKind::Photo) continue;
        if (filter_ == AssetsFilter::AllVideos && *kind != AssetKind::Video) continue;
        out.push_back(Asset::create(file, *kind));
    }
    return out;
}

ImagePtr AssetsGroup::posterImage() const {
    auto all = assets();
    return all.empty() ? nullptr : all.front()->thumbnail();
}

// --- AssetsLibrary -----------------------------------------------------------

std::string AssetsLibrary::picturesDirectory() {
    if (const char* dir = std::getenv("KEELBOX_PICTURES_DIR"); dir && *dir) return dir;
    return xdgUserDirectory("XDG_PICTURES_DIR", "Pictures");
}

std::string AssetsLibrary::videosDirectory() {
    if (const char* dir = std::getenv("KEELBOX_VIDEOS_DIR"); dir && *dir) return dir;
    return xdgUserDirectory("XDG_VIDEOS_DIR", "Videos");
}

std::string AssetsLibrary::urlForPath(const std::string& path) { return std::string(kURLScheme) + path; }

std::optional<std::string> AssetsLibrary::pathForURL(const std::string& url) {
    const std::string scheme = kURLScheme;
    if (url.rfind(scheme, 0) != 0 || url.size() == scheme.size()) return std::nullopt;
    return url.substr(scheme.size());
}

std::optional<AssetKind> AssetsLibrary::kindForPath(const std::string& path) {
    static const std::set<std::string> photos = {"jpg", "jpeg", "png", "gif", "bmp", "heic", "tif", "tiff"};
    static const std::set<std::string> videos = {"mp4", "mov", "m4v", "3gp", "avi", "mkv"};
    const std::string ext = lowerExtension(path);
    if (photos.count(ext)) return AssetKind::Photo;
    if (videos.count(ext)) return AssetKind::Video;
    return std::nullopt;
}

void AssetsLibrary::enumerateGroupsWithTypes(unsigned types, std::function<void(const AssetsGroupPtr&)> groupBlock,
                                             std::function<void(const ns::ErrorPtr&)> failure) {
    auto self = std::static_pointer_cast<AssetsLibrary>(shared_from_this());
    onMainQueueLater([self, types, groupBlock = std::move(groupBlock), failure = std::move(failure)] {
        const std::string pictures = picturesDirectory(), videos = videosDirectory();
        std::error_code error;
        const bool picturesThere = fs::is_directory(pictures, error);
        const bool videosThere = fs::is_directory(videos, error);
        if (!picturesThere && !videosThere) {
            if (failure)
                failure(ns::Error::withDescription("ALAssetsLibraryErrorDomain", -3311, "the albums cannot be read"));
            return;
        }
        std::vector<AssetsGroupPtr> groups;
        if (picturesThere && (types & AssetsGroupSavedPhotos))
            groups.push_back(AssetsGroup::create(kSavedPhotosName, pictures, AssetsGroupSavedPhotos));
        if (types & AssetsGroupAlbum) {
            for (const std::string& root : {pictures, videos}) {
                std::vector<fs::path> folders;
                for (const auto& entry : fs::directory_iterator(root, error))
                    if (entry.is_directory(error) && entry.path().filename().string()[0] != '.') folders.push_back(entry.path());
                std::sort(folders.begin(), folders.end());
                for (const auto& folder : folders)
                    groups.push_back(AssetsGroup::create(folder.filename().string(), folder.string(), AssetsGroupAlbum));
                if (root == videos && videosThere && videos != pictures)
                    groups.push_back(AssetsGroup::create(fs::path(videos).filename().string(), videos, AssetsGroupAlbum));
            }
        }
        for (const auto& group : groups)
            if (groupBlock) groupBlock(group);
        if (groupBlock) groupBlock(nullptr);
    });
}

void AssetsLibrary::assetForURL(const std::string& url, std::function<void(const AssetPtr&)> result,
                                std::function<void(const ns::ErrorPtr&)> failure) {
    auto self = std::static_pointer_cast<AssetsLibrary>(shared_from_this());
    onMainQueueLater([self, url, result = std::move(result), failure = std::move(failure)] {
        if (isFailing(url)) {
            if (failure) failure(ns::Error::withDescription("ALAssetsLibraryErrorDomain", -3300, "the asset cannot be read"));
            return;
        }
        auto path = pathForURL(url);
        std::error_code error;
        auto kind = path ? kindForPath(*path) : std::nullopt;
        if (!path || !kind || isVanished(url) || !fs::is_regular_file(*path, error)) {
            if (result) result(nullptr);
            return;
        }
        if (result) result(Asset::create(*path, *kind));
    });
}

void AssetsLibrary::setAssetVanished(const std::string& url, bool vanished) {
    std::lock_guard<std::mutex> lock(switchesMutex);
    if (vanished) vanishedURLs.insert(url); else vanishedURLs.erase(url);
}

void AssetsLibrary::setAssetFailing(const std::string& url, bool failing) {
    std::lock_guard<std::mutex> lock(switchesMutex);
    if (failing) failingURLs.insert(url); else failingURLs.erase(url);
}

void AssetsLibrary::clearTestSwitches() {
    std::lock_guard<std::mutex> lock(switchesMutex);
    vanishedURLs.clear();
    failingURLs.clear();
}

}  // namespace ui
