// Names of the session managers' notifications and of the completion
// notification's user-info keys. The task notifications (resume, suspend,
// complete) share their names with the operations' (TNNetworkingNotifications.h).
#pragma once

#include "net/http/TNNetworkingNotifications.h"

inline constexpr const char* TNURLSessionDidInvalidateNotification = "com.tavonet.networking.session.invalidate";
inline constexpr const char* TNURLSessionDownloadTaskDidFailToMoveFileNotification =
    "com.tavonet.networking.session.download.file-manager-error";

inline constexpr const char* TNNetworkingTaskDidCompleteResponseSerializerKey =
    "com.tavonet.networking.task.complete.responseserializer";
inline constexpr const char* TNNetworkingTaskDidCompleteAssetPathKey = "com.tavonet.networking.task.complete.assetpath";
inline constexpr const char* TNNetworkingTaskDidCompleteResponseDataKey =
    "com.tavonet.networking.complete.finish.responsedata";
inline constexpr const char* TNNetworkingTaskDidCompleteSerializedResponseKey =
    "com.tavonet.networking.task.complete.serializedresponse";
inline constexpr const char* TNNetworkingTaskDidCompleteErrorKey = "com.tavonet.networking.task.complete.error";
