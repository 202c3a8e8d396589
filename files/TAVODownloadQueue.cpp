#include "files/TAVODownloadQueue.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "files/TAVOFileManager.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/OutputStream.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODownloadFileCommand.h"
#include "protocol/commands/TAVODownloadFileParser.h"
#include "protocol/commands/TAVOFileCommonUtility.h"

namespace {

constexpr int kCancelledCode = -999;
constexpr const char* kChunkRefusedMessage = "文件下载失败";

// The length of a file, or -1 when there is none.
std::int64_t fileLength(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<std::int64_t>(info.st_size);
}

// Cuts the file back to `length` bytes (never lengthens it).
void cutBack(const std::string& path, std::int64_t length) {
    const std::int64_t now = fileLength(path);
    if (now > length) (void)::truncate(path.c_str(), static_cast<off_t>(length));
}

// The first offset of "bytes first-last/total", or -1.
std::int64_t rangeStart(const std::string& contentRange) {
    unsigned long long first = 0;
    if (std::sscanf(contentRange.c_str(), "bytes %llu-", &first) != 1) return -1;
    return static_cast<std::int64_t>(first);
}

}  // namespace

std::string TAVODownloadQueue::getStringForFileFromRange(std::int64_t start) {
    char text[64];
    std::snprintf(text, sizeof text, "bytes=%" PRId64 "-%" PRId64, start, start + kChunkLength);
    return text;
}

std::int64_t TAVODownloadQueue::partialLength(const std::string& name) {
    auto path = TAVOFileManager::localPathForName(name);
    return path ? std::max<std::int64_t>(0, fileLength(*path)) : 0;
}

std::vector<TAVOFileInfoPtr> TAVODownloadQueue::addItems(const std::vector<TAVOFileInfoPtr>& records,
                                                         const std::vector<TAVOFileInfoPtr>& shown) {
    std::vector<TAVOFileInfoPtr> accepted;
    for (const auto& record : records) {
        if (!record) continue;
        // The router's name becomes a file name here: one that could leave
        // the document folder or hit the program's own data is refused.
        if (!TAVOFileCommonUtility::isSafeLocalName(record->fileName)) {
            if (auto d = delegate_.lock()) d->downloadQueueRefused(kUnsafeNameMessage);
            continue;
        }
        record->state = TAVOFileInfo::Waiting;
        accepted.push_back(record);
    }
    if (accepted.empty()) return accepted;
    std::vector<TAVOFileInfoPtr> all(shown.begin(), shown.end());
    all.insert(all.end(), queue_.begin(), queue_.end());
    TAVOFileCommonUtility::reDefinationNames(accepted, all);
    // A renamed name is checked again: the rename keeps the base, so it
    // stays safe, but a record must never reach the disk unchecked.
    accepted.erase(std::remove_if(accepted.begin(), accepted.end(),
                                  [](const TAVOFileInfoPtr& r) { return !TAVOFileCommonUtility::isSafeLocalName(r->fileName); }),
                   accepted.end());
    queue_.insert(queue_.end(), accepted.begin(), accepted.end());
    changed();
    if (!inDownloading_) doQueueDownload();
    return accepted;
}

void TAVODownloadQueue::doQueueDownload() {
    if (queue_.empty()) {
        inDownloading_ = false;
        changed();
        return;
    }
    inDownloading_ = true;
    auto record = queue_.front();
    download(record, static_cast<std::int64_t>(record->sizeLength));
}

void TAVODownloadQueue::download(const TAVOFileInfoPtr& record, std::int64_t offset) {
    auto path = TAVOFileManager::localPathForName(record->fileName);
    if (!path) {
        takeOut(record);
        doQueueDownload();
        return;
    }
    if (record->state == TAVOFileInfo::Paused || record->state == TAVOFileInfo::Waiting) record->state = TAVOFileInfo::Downloading;
    // The file holds exactly the bytes before the offset: a shorter file
    // (changed behind our back) restarts where it ends.
    const std::int64_t have = std::max<std::int64_t>(0, fileLength(*path));
    if (offset > have) offset = have;
    if (offset < 0) offset = 0;
    cutBack(*path, offset);
    record->sizeLength = static_cast<double>(offset);

    auto command = TAVODownloadFileCommand::create();
    command->fileName = record->filePath;
    command->range = getStringForFileFromRange(offset);
    const std::uint64_t generation = ++generation_;
    auto weak = std::weak_ptr<TAVODownloadQueue>(std::static_pointer_cast<TAVODownloadQueue>(shared_from_this()));
    auto total = std::make_shared<std::int64_t>(0);
    // The operation holds these callbacks: they hold it back only weakly.
    auto holder = std::make_shared<std::weak_ptr<TNHTTPRequestOperation>>();
    operation_ = TAVOCommonService::localService()->resumeDownloadFile(
        command, 0, TAVODownloadFileParser::create(),
        [weak, record, offset, generation, total, holder](const ns::Value&) {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            self->chunkFinished(record, offset, holder->lock(), *total);
        },
        [weak, record, offset, generation](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            self->chunkFailed(record, offset, error);
        },
        [total](std::int64_t, std::int64_t wholeFile) { *total = wholeFile; });
    *holder = operation_;
    if (operation_) {
        operation_->setOutputStream(ns::OutputStream::outputStreamToFileAtPath(*path, true));
    }
}

void TAVODownloadQueue::chunkFinished(const TAVOFileInfoPtr& record, std::int64_t offset,
                                      const TNHTTPRequestOperationPtr& operation, std::int64_t total) {
    auto path = TAVOFileManager::localPathForName(record->fileName);
    auto response = operation ? std::dynamic_pointer_cast<ns::HTTPURLResponse>(operation->response()) : nullptr;
    const int status = response ? response->statusCode() : 0;
    const auto contentRange = response ? response->valueForHTTPHeaderField("Content-Range") : std::nullopt;
    // Only bytes that belong at the offset are kept.
    const bool inPlace = (status == 206 && contentRange && rangeStart(*contentRange) == offset) || (status == 200 && offset == 0);
    const std::int64_t now = path ? fileLength(*path) : -1;
    const std::int64_t added = now - offset;
    if (!inPlace || added < 0) {
        refuse(record, offset);
        return;
    }
    // A whole-file answer has no total of its own: its length is the total.
    if (status == 200) total = added;
    const std::int64_t done = offset + added;
    if (added == 0 && done < total) {
        refuse(record, offset);
        return;
    }
    record->sizeLength = static_cast<double>(done);
    if (total != 0) {
        if (auto d = delegate_.lock()) d->downloadQueueProgress(record, static_cast<double>(done), static_cast<double>(total));
    }
    if (total != 0 && done < total) {
        download(record, done);
        return;
    }
    if (total != 0 && done > total) {
        refuse(record, offset);
        return;
    }
    record->state = TAVOFileInfo::Completed;
    ++generation_;
    takeOut(record);
    changed();
    doQueueDownload();
}

void TAVODownloadQueue::chunkFailed(const TAVOFileInfoPtr& record, std::int64_t offset, const TAVOErrorPtr& error) {
    const bool cancelled = error && error->sourceError() && error->sourceError()->code() == kCancelledCode;
    if (cancelled) {
        // Pause and delete move the queue on themselves.
        return;
    }
    if (auto d = delegate_.lock()) d->downloadQueueShowError(error);
    fail(record, offset);
}

void TAVODownloadQueue::refuse(const TAVOFileInfoPtr& record, std::int64_t offset) {
    if (auto d = delegate_.lock())
        d->downloadQueueShowError(TAVOError::errorWithType(TAVOErrorTypeParse, 300004, kChunkRefusedMessage));
    fail(record, offset);
}

void TAVODownloadQueue::fail(const TAVOFileInfoPtr& record, std::int64_t offset) {
    ++generation_;
    if (auto path = TAVOFileManager::localPathForName(record->fileName)) cutBack(*path, offset);
    record->sizeLength = static_cast<double>(offset);
    record->state = TAVOFileInfo::DownloadFailed;
    takeOut(record);
    TAVOFileManager::sharedInstance()->saveFileInfo(record, TAVOFileManager::Fail, TAVOFileManager::Download,
                                                    TAVOFileManager::kDownloadsPath);
    changed();
    doQueueDownload();
}

void TAVODownloadQueue::pause(const TAVOFileInfoPtr& record) {
    if (!record || record->state != TAVOFileInfo::Downloading) return;
    const bool running = !queue_.empty() && queue_.front() == record;
    ++generation_;
    if (running && operation_) operation_->cancel();
    takeOut(record);
    record->state = TAVOFileInfo::Paused;
    TAVOFileManager::sharedInstance()->saveFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Download,
                                                    TAVOFileManager::kDownloadsPath);
    changed();
    // The cancelled request's answer is stale; the next download starts here.
    if (running) doQueueDownload();
}

void TAVODownloadQueue::resume(const TAVOFileInfoPtr& record) {
    if (!record || record->state != TAVOFileInfo::Paused) return;
    TAVOFileManager::sharedInstance()->deleteFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Download,
                                                      TAVOFileManager::kDownloadsPath);
    record->state = TAVOFileInfo::Waiting;
    record->sizeLength = static_cast<double>(partialLength(record->fileName));
    queue_.push_back(record);
    changed();
    if (!inDownloading_) doQueueDownload();
}

void TAVODownloadQueue::remove(const TAVOFileInfoPtr& record) {
    if (!record) return;
    auto manager = TAVOFileManager::sharedInstance();
    switch (record->state) {
        case TAVOFileInfo::Waiting:
            takeOut(record);
            break;
        case TAVOFileInfo::Downloading: {
            const bool running = !queue_.empty() && queue_.front() == record;
            ++generation_;
            if (running && operation_) operation_->cancel();
            takeOut(record);
            manager->deleteFile(record);
            if (running) doQueueDownload();
            break;
        }
        case TAVOFileInfo::Paused:
            manager->deleteFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Download, TAVOFileManager::kDownloadsPath);
            manager->deleteFile(record);
            break;
        case TAVOFileInfo::DownloadFailed:
            manager->deleteFileInfo(record, TAVOFileManager::Fail, TAVOFileManager::Download, TAVOFileManager::kDownloadsPath);
            manager->deleteFile(record);
            break;
        case TAVOFileInfo::Completed:
            manager->deleteFile(record);
            break;
        default:
            break;
    }
}

void TAVODownloadQueue::takeOut(const TAVOFileInfoPtr& record) {
    queue_.erase(std::remove(queue_.begin(), queue_.end(), record), queue_.end());
}

void TAVODownloadQueue::changed() {
    if (auto d = delegate_.lock()) d->downloadQueueDidChange();
}
