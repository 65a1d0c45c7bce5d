// SPDX-License-Identifier: MIT
#include "core/state/film_properties.h"

#include "core/state/module1.h"

namespace dorix {

void FilmProperties(MessageSink& messages) {
  if (const char* message = LookUpFilmProperties(Module1.Store, Module1.FluidNo, Module1)) {
    messages.ShowMessage(message);
  }
}

}  // namespace dorix
