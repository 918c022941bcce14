// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class QString;

namespace TopMessage {

// A modal message box without title or icon that stays above the other windows, as the preferences
// and the rulers use it to refuse a value; returns once the user dismissed it.
void show(const QString &text);

} // namespace TopMessage
