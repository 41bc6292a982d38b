// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Process exit codes of karix-cli. Scripts rely on these values: never
// renumber them.
namespace ExitCode {
enum : int {
    Success = 0,      // done; design clean; registers match
    Failed = 1,       // design errors, verify mismatch, expression error, file not written
    Usage = 2,        // bad arguments, or a document that cannot be read
    Warnings = 3,     // design rule check found warnings only
    NoAnswer = 4,     // module did not answer, or a transfer failed
    Refused = 5,      // module is write-protected or its firmware lacks the feature
    Interrupted = 130 // Ctrl-C (128 + SIGINT, as shells report it)
};
}
