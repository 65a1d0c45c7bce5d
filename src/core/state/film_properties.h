#pragma once

#include "core/state/message_sink.h"

namespace dorix {

inline constexpr const char* kLiquidReferenceOutOfRange =
    "*** ERROR: Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range.";
inline constexpr const char* kVaporReferenceOutOfRange =
    "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range.";
inline constexpr const char* kPressureOutOfRange = "*** ERROR: Given pressure is out of range.";

// Looks up the condensate film properties at TlRef, the vapour specific heat
// at TvRef and the enthalpy of vaporization at Tsat into the shared slots.
// On the first group out of range, shows its message and leaves OutOfRange 1.
void FilmProperties(MessageSink& messages);

}  // namespace dorix
