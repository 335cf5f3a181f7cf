// Copyright (c) Kestrin developers.
//
// Open CASCADE reports problems of damaged files through its default messenger, which prints on
// standard output. The worker keeps them to itself.
#pragma once

namespace quarnel::worker {

// Removes every printer of Open CASCADE's default messenger. Call once, before reading.
void SilenceMessenger();

} // namespace quarnel::worker
