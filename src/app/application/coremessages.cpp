// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The core libraries speak English only (their texts also go into files and
// onto consoles). These are the texts of theirs that reach a message box; the
// boxes look each line up under "Message" (messagebox.cpp), and this list puts
// them into the translation sources.

#include <QtGlobal>

namespace alacrity {
namespace {

[[maybe_unused]] constexpr const char* CoreMessages[] = {
    QT_TRANSLATE_NOOP("Message", "Error opening file"),
    QT_TRANSLATE_NOOP("Message", "File Save Error"),
    QT_TRANSLATE_NOOP("Message", "Incompatible data"),
    QT_TRANSLATE_NOOP("Message", "Incompatible protocol"),
    QT_TRANSLATE_NOOP("Message", "Damaged data file"),
    QT_TRANSLATE_NOOP("Message", "Damaged protocol file"),
    QT_TRANSLATE_NOOP("Message", "Error in communication"),
    QT_TRANSLATE_NOOP("Message", "Data not saved. Save?"),
    QT_TRANSLATE_NOOP("Message",
                      "The response box stopped sending. Press Stop: the answers so far are kept."),
    QT_TRANSLATE_NOOP("Message", "The protocol must hold between 1 and 1199 stimuli."),
    QT_TRANSLATE_NOOP("Message", "The number of stimuli must be between 1 and 1199."),
    QT_TRANSLATE_NOOP("Message", "Select at least one object to be generated."),
    QT_TRANSLATE_NOOP("Message", "The lower time limit must not be above the upper time limit."),
    QT_TRANSLATE_NOOP("Message", "No protocol loaded"),
    QT_TRANSLATE_NOOP("Message", "No item was selected!"),
    // Followed on the same line by why the journal could not be opened.
    QT_TRANSLATE_NOOP("Message",
                      "No journal can be written for this test, so its answers live only in "
                      "memory until it is saved: "),
    QT_TRANSLATE_NOOP("Message",
                      "The journal of this test could not be written to the end. Save the results "
                      "before closing the program."),
};

}  // namespace
}  // namespace alacrity
