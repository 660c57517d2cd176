#pragma once
// The system's own web pages, opened in the default browser.

namespace composer {

// The product's home page: the chooser's banner opens it.
inline constexpr const char* HomePageAddress = "https://brevaro.example.org/";
// The update page: "检查更新" of the document forms opens it.
inline constexpr const char* UpdatePageAddress = "https://brevaro.example.org/update";

} // namespace composer
