// SPDX-License-Identifier: MIT
#pragma once

#include "core/props/film_properties.h"
#include "core/state/message_sink.h"

namespace dorix {

// Looks up the condensate film properties at TlRef, the vapour specific heat
// at TvRef and the enthalpy of vaporization at Tsat into the shared slots.
// On the first group out of range, shows its message and leaves OutOfRange 1.
void FilmProperties(MessageSink& messages);

}  // namespace dorix
