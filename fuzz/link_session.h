#pragma once

#include "fuzz_input.h"

namespace velmora::fuzz {

// The encoder link driven by a user at the main window and an encoder on the
// line, both played from the fuzzer's bytes: received bytes, timer ticks, a
// vanishing port and the user's commands, with events also arriving inside
// modal windows. After every step the link, the view and the fakes must agree.
void playLinkSession(FuzzInput& input);

} // namespace velmora::fuzz
