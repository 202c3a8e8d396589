// Names of the HTTP client library's notifications, posted on the main
// queue with the operation (or task) as their object.
#pragma once

inline constexpr const char* TNNetworkingOperationDidStartNotification = "com.tavonet.networking.operation.start";
inline constexpr const char* TNNetworkingOperationDidFinishNotification = "com.tavonet.networking.operation.finish";
inline constexpr const char* TNNetworkingTaskDidResumeNotification = "com.tavonet.networking.task.resume";
inline constexpr const char* TNNetworkingTaskDidSuspendNotification = "com.tavonet.networking.task.suspend";
inline constexpr const char* TNNetworkingTaskDidCompleteNotification = "com.tavonet.networking.task.complete";
