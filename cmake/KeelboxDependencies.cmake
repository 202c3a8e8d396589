# Third-party libraries, found on the system (scripts/setup installs them)
# and wrapped as kb:: targets so the layers name them the same way.

set(THREADS_PREFER_PTHREAD_FLAG ON)
find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
find_package(OpenSSL 3 REQUIRED)
find_package(CURL REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
find_package(ICU REQUIRED COMPONENTS uc i18n data)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(EXPAT REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGO REQUIRED IMPORTED_TARGET pangocairo pangoft2 fontconfig)
pkg_check_modules(SDL2 IMPORTED_TARGET sdl2)
if(KEELBOX_TESTS)
  find_package(GTest REQUIRED)
endif()

function(kb_alias name)
  add_library(kb::${name} INTERFACE IMPORTED GLOBAL)
  target_link_libraries(kb::${name} INTERFACE ${ARGN})
endfunction()

kb_alias(openssl OpenSSL::SSL OpenSSL::Crypto)
kb_alias(curl CURL::libcurl)
kb_alias(nlohmann_json nlohmann_json::nlohmann_json)
kb_alias(icu ICU::uc ICU::i18n ICU::data)
kb_alias(png PNG::PNG)
kb_alias(jpeg JPEG::JPEG)
kb_alias(expat EXPAT::EXPAT)
kb_alias(cairo PkgConfig::CAIRO)
kb_alias(pango PkgConfig::PANGO)
if(SDL2_FOUND)
  kb_alias(sdl2 PkgConfig::SDL2)
endif()

# cpp-httplib: Debian ships it compiled (libcpp-httplib) with its own feature
# switches; pkg-config gives both, so our code sees the same class layouts.
# The emulator is its only user.
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
kb_alias(httplib PkgConfig::HTTPLIB OpenSSL::SSL OpenSSL::Crypto Threads::Threads)
