// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class VersionQuestion;

// The note a user-started update check shows while it waits for the answer: it tells that the program
// is asking, and its "Cancel" gives the question up, after which no answer is shown. The note closes
// by itself when the question ends, before the answer is told.
namespace UpdateProgress {

// Set on a question that the user cancelled.
inline constexpr char kCancelledProperty[] = "gradoraCancelled";
// The note of a question.
inline constexpr char kNoteProperty[] = "gradoraProgressNote";

void showFor(VersionQuestion *question);
// Closes the question's note, if it has one; the question's handler calls it before it tells the answer.
void closeFor(VersionQuestion *question);
bool wasCancelled(const VersionQuestion *question);

} // namespace UpdateProgress
