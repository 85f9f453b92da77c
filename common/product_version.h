#pragma once

#include <string_view>

/// The version both programs show in their About box and with "--version".
inline constexpr std::string_view kProductVersion = "1.0";

/// The product names: window titles, message captions, settings and "--version".
inline constexpr char kKelvaneName[] = "Kelvane";
inline constexpr char kMorvikName[] = "Morvik";
