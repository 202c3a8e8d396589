// The application's sandbox: one home folder holding Documents/,
// Library/Caches/, Library/Preferences/ and tmp/, as the phone gives every
// application.
//
// The home is $KEELBOX_HOME when set (each test gets a fresh one), else
// $XDG_DATA_HOME/keelbox, else ~/.local/share/keelbox. It is read afresh on
// every call and its folders are created on demand, so a test that points
// KEELBOX_HOME elsewhere gets a complete sandbox at once.
#pragma once

#include <string>
#include <vector>

namespace ns {

// The home folder, without a trailing slash.
std::string homeDirectory();
std::string documentsDirectory();      // <home>/Documents
std::string libraryDirectory();        // <home>/Library
std::string cachesDirectory();         // <home>/Library/Caches
std::string preferencesDirectory();    // <home>/Library/Preferences
// <home>/tmp/ — with the trailing slash, as the platform's NSTemporaryDirectory.
std::string temporaryDirectory();

// The platform's search-path query, for the folders the sandbox has.
enum class SearchPathDirectory { Library = 5, Document = 9, Caches = 13 };
enum SearchPathDomainMask : unsigned { kUserDomainMask = 1, kAllDomainsMask = 0xffff };

// The matching folders (one, for the user domain), or an empty list when the
// domain mask does not include the user domain. The sandbox has no "~" to
// expand, so expandTilde changes nothing.
std::vector<std::string> searchPathForDirectoriesInDomains(SearchPathDirectory directory, unsigned domainMask,
                                                           bool expandTilde = true);

}  // namespace ns
