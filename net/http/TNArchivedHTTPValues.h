// Requests, responses and errors as plain value trees, so that an
// operation can keep them in a keyed archive and read them back.
//
// A request keeps its URL, method, headers (in order), body and settings; a
// body stream cannot be kept. A response keeps its URL and either its status
// line and headers or its type, length and text encoding. An error keeps its
// domain, code and the plain values of its user info (URLs as their text,
// the underlying error as an error); other objects in it are dropped.
// Reading never trusts the archive: a value of the wrong shape gives nothing.
#pragma once

#include <optional>

#include "platform/foundation/Error.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"
#include "platform/foundation/Value.h"

ns::Value TNArchivedRequest(const ns::URLRequest& request);
std::optional<ns::URLRequest> TNRequestFromArchive(const ns::Value& archived);

ns::Value TNArchivedResponse(const ns::URLResponsePtr& response);
// Nothing for nil; nullopt (not a null response) for a malformed value.
std::optional<ns::URLResponsePtr> TNResponseFromArchive(const ns::Value& archived);

ns::Value TNArchivedError(const ns::ErrorPtr& error);
std::optional<ns::ErrorPtr> TNErrorFromArchive(const ns::Value& archived);
