#include "app/startup.h"

#include "app/module1.h"
#include "props/property_file.h"

namespace dorix {

std::string StartUp() {
  SetStartupState();
  const LoadResult loaded = LoadPropertyFile();
  return loaded.ok ? std::string() : loaded.message;
}

}  // namespace dorix
