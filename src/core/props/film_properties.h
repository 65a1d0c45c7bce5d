// SPDX-License-Identifier: MIT
#pragma once

#include "core/props/property_slots.h"

namespace dorix {

inline constexpr const char* kLiquidReferenceOutOfRange =
    "*** ERROR: Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range.";
inline constexpr const char* kVaporReferenceOutOfRange =
    "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range.";
inline constexpr const char* kPressureOutOfRange = "*** ERROR: Given pressure is out of range.";

// Looks up the condensate film properties at TlRef, the vapour specific heat
// at TvRef and the enthalpy of vaporization at Tsat into `slots`. Returns the
// message of the first group out of range, leaving OutOfRange 1, or null.
const char* LookUpFilmProperties(const PropertyStore& store, int fluid,
                                 PropertySlots& propertySlots);

}  // namespace dorix
