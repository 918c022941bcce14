// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Every web address of the program, in one place.
namespace WebLinks {
// "Online Info".
inline constexpr char kProductPage[] = "https://gradora.net/";
// "Request Feature".
inline constexpr char kSuggestionsPage[] = "https://gradora.net/suggestions.html";
// Offered when the update check finds a newer version.
inline constexpr char kDownloadPage[] = "https://gradora.net/download.html";
// Answers the update check with the latest version number as text.
inline constexpr char kUpdateEndpoint[] = "https://gradora.net/Gradora/check-for-update.php?ac=0";
} // namespace WebLinks
