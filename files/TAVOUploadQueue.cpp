#include "files/TAVOUploadQueue.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "files/TAVOFileManager.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "protocol/commands/TAVOUploadFileParser.h"

namespace {
constexpr int kCancelledCode = -999;
}

std::string TAVOUploadQueue::getUploadRangeFromRange(std::int64_t start, std::int64_t end, std::int64_t total) {
    char text[96];
    std::snprintf(text, sizeof text, "bytes %" PRId64 "-%" PRId64 "/%" PRId64, start, end, total);
    return text;
}

std::vector<TAVOFileInfoPtr> TAVOUploadQueue::getAllUploadQueue() const {
    std::vector<TAVOFileInfoPtr> all;
    for (const auto& [path, list] : queues_) all.insert(all.end(), list.begin(), list.end());
    return all;
}

std::vector<TAVOFileInfoPtr> TAVOUploadQueue::getUploadQueueByPath(const std::string& path) const {
    auto it = queues_.find(path);
    return it == queues_.end() ? std::vector<TAVOFileInfoPtr>() : it->second;
}

void TAVOUploadQueue::addUploadFiles(const std::vector<TAVOFileInfoPtr>& records, const std::string& path) {
    auto& list = queues_[path];
    list.insert(list.end(), records.begin(), records.end());
}

void TAVOUploadQueue::deleteFile(const TAVOFileInfoPtr& record, const std::string& path) {
    auto it = queues_.find(path);
    if (it == queues_.end()) return;
    it->second.erase(std::remove(it->second.begin(), it->second.end(), record), it->second.end());
    if (it->second.empty()) queues_.erase(it);
}

std::vector<TAVOFileInfoPtr> TAVOUploadQueue::getStopUploadQueueByPath(const std::string& path) {
    return TAVOFileManager::sharedInstance()->getFileInfosOfType(TAVOFileManager::Stop, TAVOFileManager::Upload, path);
}

std::vector<TAVOFileInfoPtr> TAVOUploadQueue::getFailedUploadQueue(const std::string& path) {
    return TAVOFileManager::sharedInstance()->getFileInfosOfType(TAVOFileManager::Fail, TAVOFileManager::Upload, path);
}

void TAVOUploadQueue::doAddWaitingItems(const std::vector<TAVOFileInfoPtr>& records, const std::vector<TAVOFileInfoPtr>& shown,
                                        const std::string& folder) {
    std::vector<TAVOFileInfoPtr> accepted;
    for (const auto& r : records) {
        if (!r) continue;
        r->state = TAVOFileInfo::Waiting;
        r->parentPath = folder;
        accepted.push_back(r);
    }
    if (accepted.empty()) return;
    std::vector<TAVOFileInfoPtr> all(shown.begin(), shown.end());
    auto queued = getUploadQueueByPath(folder);
    all.insert(all.end(), queued.begin(), queued.end());
    TAVOFileCommonUtility::reDefinationNames(accepted, all);
    for (const auto& r : accepted) r->filePath = folder + r->fileName;
    addUploadFiles(accepted, folder);
    changed();
    if (!inUploading_) doUploadQueue();
}

void TAVOUploadQueue::doUploadQueue() {
    auto all = getAllUploadQueue();
    if (all.empty()) {
        inUploading_ = false;
        running_ = nullptr;
        changed();
        return;
    }
    inUploading_ = true;
    auto record = all.front();
    doUploadFile(record, static_cast<std::int64_t>(record->sizeLength));
}

void TAVOUploadQueue::doUploadFile(const TAVOFileInfoPtr& record, std::int64_t written) {
    if (record->state == TAVOFileInfo::Waiting) record->state = TAVOFileInfo::Uploading;
    running_ = record;
    const auto total = static_cast<std::int64_t>(record->totalLength);
    // A resume offset at or past the end has nothing left to send.
    if (written >= total && !(written == 0 && total == 0)) {
        finish(record);
        return;
    }
    if (written < 0) written = 0;
    const std::int64_t length = std::min<std::int64_t>(kChunkLength, total - written);
    const std::int64_t end = written + length;
    const std::uint64_t generation = ++generation_;
    auto weak = std::weak_ptr<TAVOUploadQueue>(std::static_pointer_cast<TAVOUploadQueue>(shared_from_this()));
    record->getRangeData(
        static_cast<std::uint32_t>(written), static_cast<std::uint32_t>(length),
        [weak, record, written, end, length, generation](const ns::Data& bytes) {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            // A source that has vanished or shrunk gives fewer bytes than asked:
            // those are never sent as if they were the file.
            if (static_cast<std::int64_t>(bytes.length()) != length) {
                if (auto d = self->delegate_.lock())
                    d->uploadQueueShowError(TAVOError::errorWithType(TAVOErrorTypeSystem, -3300, kSourceGoneMessage));
                self->doUploadFail(record);
                self->doUploadQueue();
                return;
            }
            self->sendChunk(record, written, end, bytes, generation);
        },
        [weak, record, generation] {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            if (auto d = self->delegate_.lock())
                d->uploadQueueShowError(TAVOError::errorWithType(TAVOErrorTypeSystem, -3300, kSourceGoneMessage));
            self->doUploadFail(record);
            self->doUploadQueue();
        });
}

void TAVOUploadQueue::sendChunk(const TAVOFileInfoPtr& record, std::int64_t written, std::int64_t end, const ns::Data& bytes,
                                std::uint64_t generation) {
    // Paused or deleted while the bytes were read: nothing is sent.
    if (!isQueued(record) || record->state != TAVOFileInfo::Uploading) return;
    auto command = TAVOUploadFileCommand::create();
    command->path = record->parentPath;
    command->fileName = record->fileName;
    const auto total = static_cast<std::int64_t>(record->totalLength);
    command->contentRange = getUploadRangeFromRange(written, end, total);
    auto weak = std::weak_ptr<TAVOUploadQueue>(std::static_pointer_cast<TAVOUploadQueue>(shared_from_this()));
    operation_ = TAVOCommonService::localService()->resumeUploadFile(
        bytes, command, 0, TAVOUploadFileParser::create(),
        [weak, record, end, total, generation](const ns::Value&) {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            const double progress = total > 0 ? static_cast<double>(end) / static_cast<double>(total) : 1.0;
            if (auto d = self->delegate_.lock()) d->uploadQueueProgress(record, progress);
            if (end >= total || std::isnan(progress)) {
                self->finish(record);
                return;
            }
            self->doUploadFile(record, end);
        },
        [weak, record, generation](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self || generation != self->generation_) return;
            const bool cancelled = error && error->sourceError() && error->sourceError()->code() == kCancelledCode;
            if (!cancelled) {
                if (auto d = self->delegate_.lock()) d->uploadQueueShowError(error);
                self->doUploadFail(record);
            }
            self->doUploadQueue();
        });
}

void TAVOUploadQueue::finish(const TAVOFileInfoPtr& record) {
    ++generation_;
    record->state = TAVOFileInfo::Idle;
    deleteFile(record, record->parentPath);
    // A paused record of this file has nothing left to resume.
    TAVOFileManager::sharedInstance()->deleteFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Upload, record->parentPath);
    running_ = nullptr;
    changed();
    doUploadQueue();
}

void TAVOUploadQueue::doUploadFail(const TAVOFileInfoPtr& record) {
    ++generation_;
    record->state = TAVOFileInfo::UploadFailed;
    deleteFile(record, record->parentPath);
    TAVOFileManager::sharedInstance()->saveFileInfo(record, TAVOFileManager::Fail, TAVOFileManager::Upload, record->parentPath);
    if (running_ == record) running_ = nullptr;
    changed();
}

void TAVOUploadQueue::doPauseFile(const TAVOFileInfoPtr& record) {
    if (!record || record->state != TAVOFileInfo::Uploading) return;
    const bool wasRunning = running_ == record;
    ++generation_;
    deleteFile(record, record->parentPath);
    if (wasRunning && operation_) operation_->cancel();
    record->state = TAVOFileInfo::Paused;
    TAVOFileManager::sharedInstance()->saveFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Upload, record->parentPath);
    if (wasRunning) running_ = nullptr;
    changed();
    if (wasRunning) doUploadQueue();
}

void TAVOUploadQueue::doResumePauseFile(const TAVOFileInfoPtr& record) {
    if (!record || record->state != TAVOFileInfo::Paused) return;
    TAVOFileManager::sharedInstance()->deleteFileInfo(record, TAVOFileManager::Stop, TAVOFileManager::Upload, record->parentPath);
    addUploadFiles({record}, record->parentPath);
    record->state = TAVOFileInfo::Waiting;
    changed();
    if (!inUploading_) doUploadQueue();
}

void TAVOUploadQueue::doDeleteWaitingFile(const TAVOFileInfoPtr& record) {
    if (!record) return;
    deleteFile(record, record->parentPath);
}

void TAVOUploadQueue::stopRunning(const TAVOFileInfoPtr& record) {
    if (!record) return;
    const bool wasRunning = running_ == record;
    deleteFile(record, record->parentPath);
    if (!wasRunning) return;
    ++generation_;
    if (operation_) operation_->cancel();
    running_ = nullptr;
    doUploadQueue();
}

bool TAVOUploadQueue::isQueued(const TAVOFileInfoPtr& record) const {
    auto list = getUploadQueueByPath(record->parentPath);
    return std::find(list.begin(), list.end(), record) != list.end();
}

void TAVOUploadQueue::changed() {
    if (auto d = delegate_.lock()) d->uploadQueueDidChange();
}
