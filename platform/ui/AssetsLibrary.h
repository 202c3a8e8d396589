// The phone's photo and video albums. On this system the albums are folders:
// the user's pictures folder and videos folder (the XDG user directories,
// overridden by KEELBOX_PICTURES_DIR and KEELBOX_VIDEOS_DIR). The pictures
// folder itself is the saved-photos group "相机胶卷"; every sub-folder of
// either folder is an album of its own. An asset is one file of a known
// photo or video extension, addressed by an "assets-library://" URL.
//
// Like the phone's library, every answer comes on a later turn of the main
// queue, never before the asking call returns. Tests can make an asset
// vanish (the library answers with no asset) or fail (it answers with an
// error) by its URL.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/ui/Image.h"

namespace ui {

enum class AssetKind { Photo, Video };

// What an album shows.
enum class AssetsFilter { AllAssets, AllPhotos, AllVideos };

// Group types as the platform numbers them.
enum AssetsGroupType : unsigned { AssetsGroupAlbum = 2, AssetsGroupSavedPhotos = 16, AssetsGroupAll = 0xFFFFFFFF };

// The file behind an asset.
class AssetRepresentation : public ns::Object {
public:
    static std::shared_ptr<AssetRepresentation> create(std::string path, std::string url, std::int64_t size);
    const std::string& url() const { return url_; }
    std::int64_t size() const { return size_; }
    std::string filename() const;
    // Reads up to `length` bytes at `offset` into `buffer`; the number read,
    // 0 past the end or when the file cannot be read (then `error` is set).
    std::size_t getBytes(std::uint8_t* buffer, std::int64_t offset, std::size_t length, ns::ErrorPtr* error) const;

private:
    AssetRepresentation(std::string path, std::string url, std::int64_t size)
        : path_(std::move(path)), url_(std::move(url)), size_(size) {}
    std::string path_, url_;
    std::int64_t size_;
};
using AssetRepresentationPtr = std::shared_ptr<AssetRepresentation>;

class Asset : public ns::Object {
public:
    static std::shared_ptr<Asset> create(std::string path, AssetKind kind);
    AssetKind kind() const { return kind_; }
    // "ALAssetTypePhoto" or "ALAssetTypeVideo", the platform's type property.
    std::string type() const;
    AssetRepresentationPtr defaultRepresentation() const { return representation_; }
    // The picture decoded; a generic picture for videos, for photos that
    // cannot be decoded and for photos over 32 MiB.
    ImagePtr thumbnail() const;
    const std::string& path() const { return path_; }

private:
    Asset(std::string path, AssetKind kind);
    std::string path_;
    AssetKind kind_;
    AssetRepresentationPtr representation_;
};
using AssetPtr = std::shared_ptr<Asset>;

class AssetsGroup : public ns::Object {
public:
    static std::shared_ptr<AssetsGroup> create(std::string name, std::string folder, unsigned type);
    const std::string& name() const { return name_; }
    unsigned type() const { return type_; }
    void setAssetsFilter(AssetsFilter filter) { filter_ = filter; }
    AssetsFilter assetsFilter() const { return filter_; }
    // The files of the group's folder (not its sub-folders) that pass the
    // filter, sorted by name.
    std::vector<AssetPtr> assets() const;
    long numberOfAssets() const { return static_cast<long>(assets().size()); }
    // The first asset's thumbnail, or null for an empty group.
    ImagePtr posterImage() const;

private:
    AssetsGroup(std::string name, std::string folder, unsigned type)
        : name_(std::move(name)), folder_(std::move(folder)), type_(type) {}
    std::string name_, folder_;
    unsigned type_;
    AssetsFilter filter_ = AssetsFilter::AllAssets;
};
using AssetsGroupPtr = std::shared_ptr<AssetsGroup>;

class AssetsLibrary : public ns::Object {
public:
    static std::shared_ptr<AssetsLibrary> create() { return std::shared_ptr<AssetsLibrary>(new AssetsLibrary()); }

    static constexpr const char* kSavedPhotosName = "相机胶卷";
    static constexpr const char* kURLScheme = "assets-library://local";

    static std::string picturesDirectory();
    static std::string videosDirectory();
    static std::string urlForPath(const std::string& path);
    // The file path of a library URL; none for any other text.
    static std::optional<std::string> pathForURL(const std::string& url);
    // The kind a file's extension gives, or none for other files.
    static std::optional<AssetKind> kindForPath(const std::string& path);

    // Calls `groupBlock` once per group of the given types (saved photos
    // first), then once with null when the enumeration is done, all on one
    // later turn of the main queue. `failure` instead when neither folder
    // can be read.
    void enumerateGroupsWithTypes(unsigned types, std::function<void(const AssetsGroupPtr&)> groupBlock,
                                  std::function<void(const ns::ErrorPtr&)> failure);
    // Answers with the asset, or with null when there is none at that URL;
    // `failure` when the library cannot read it.
    void assetForURL(const std::string& url, std::function<void(const AssetPtr&)> result,
                     std::function<void(const ns::ErrorPtr&)> failure);

    // Test switches, by URL; they hold for every library until cleared.
    static void setAssetVanished(const std::string& url, bool vanished);
    static void setAssetFailing(const std::string& url, bool failing);
    static void clearTestSwitches();

private:
    AssetsLibrary() = default;
};
using AssetsLibraryPtr = std::shared_ptr<AssetsLibrary>;

}  // namespace ui
