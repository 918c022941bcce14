// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class QNetworkReply;

// The note a user-started update check shows while it waits for the answer: it tells that the program
// is asking, and its "Cancel" gives the question up, after which no answer is shown. The note closes
// by itself when the reply ends, before the answer is told.
namespace UpdateProgress {

// Set on a reply that the user cancelled.
inline constexpr char kCancelledProperty[] = "gradoraCancelled";
// The note of a reply.
inline constexpr char kNoteProperty[] = "gradoraProgressNote";

void showFor(QNetworkReply *reply);
// Closes the reply's note, if it has one; the reply's handler calls it before it tells the answer.
void closeFor(QNetworkReply *reply);
bool wasCancelled(const QNetworkReply *reply);

} // namespace UpdateProgress
