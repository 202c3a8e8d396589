// The platform's path operations on text ("/tmp/a.txt"). Each first tidies
// the path: repeated "/" become one and a trailing "/" goes (the root "/"
// stays). File names from elsewhere still need checking before use as local
// paths; these only take text apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ns::str {

// "/tmp/a.txt" -> "a.txt"; "/tmp/" -> "tmp"; "/" -> "/"; "" -> "".
std::string lastPathComponent(std::string_view path);
// "/tmp/a.tar.gz" -> "gz"; "/tmp/" -> ""; ".profile" -> "" (a leading dot
// names a hidden file, not an extension).
std::string pathExtension(std::string_view path);
// "/tmp/a.txt" -> "/tmp"; "/tmp" -> "/"; "a.txt" -> "".
std::string deletingLastPathComponent(std::string_view path);
// "/tmp/a.tar.gz" -> "/tmp/a.tar"; "/tmp/.profile" stays.
std::string deletingPathExtension(std::string_view path);
// "/tmp" + "a.txt" -> "/tmp/a.txt"; "" + "a" -> "a".
std::string appendingPathComponent(std::string_view path, std::string_view component);
// "/tmp/a" + "txt" -> "/tmp/a.txt"; nothing is added to "" or "/".
std::string appendingPathExtension(std::string_view path, std::string_view extension);
// "/tmp/a" -> {"/", "tmp", "a"}; a trailing "/" adds a last "/".
std::vector<std::string> pathComponents(std::string_view path);

}  // namespace ns::str
