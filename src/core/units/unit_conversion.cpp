// SPDX-License-Identifier: MIT
#include "core/units/unit_conversion.h"

#include <udunits2.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace dorix {

namespace {

// No unit a field takes comes near this length; longer texts are not parsed.
constexpr std::size_t kLongestUnit = 64;
// Unit texts remembered with their converters. Past this many the cache stops
// growing, so that arbitrary texts cannot fill memory.
constexpr std::size_t kMostRememberedUnits = 256;

struct SystemFree {
  void operator()(ut_system* system) const { ut_free_system(system); }
};
struct UnitFree {
  void operator()(ut_unit* unit) const { ut_free(unit); }
};
struct ConverterFree {
  void operator()(cv_converter* converter) const { cv_free(converter); }
};
using UnitPointer = std::unique_ptr<ut_unit, UnitFree>;
using ConverterPointer = std::unique_ptr<cv_converter, ConverterFree>;

// udunits2 reads "kg/m s" as (kg/m)·s; engineers mean kg/(m s), as in the
// field label "(kg/m s)". A single slash takes everything after it below it.
std::string AsLibraryText(std::string_view unit) {
  std::string text(unit);
  const auto slash = text.find('/');
  if (slash != std::string::npos && text.find('/', slash + 1) == std::string::npos &&
      text.find_first_of("()") == std::string::npos) {
    text.insert(slash + 1, "(");
    text += ')';
  }
  return text;
}

// What one unit text is for one quantity.
struct UnitEntry {
  UnitFit fit = UnitFit::kUnknown;
  ConverterPointer converter = nullptr;  // set for kConverts
};

// udunits2 is not safe to use from several threads: one lock guards the
// system, the parser and the remembered units. The database is read on first
// use, so plain numbers never wait for it.
class UnitLibrary {
 public:
  UnitConversion Convert(double value, std::string_view unit, Quantity quantity) {
    const std::lock_guard lock(mutex_);
    if (!Loaded()) return {UnitFit::kNoDatabase};
    std::string key = std::to_string(static_cast<int>(quantity)) + ' ' + std::string(unit);
    auto found = remembered_.find(key);
    if (found == remembered_.end()) {
      UnitEntry entry = Examine(unit, quantity);
      if (remembered_.size() >= kMostRememberedUnits) return Apply(entry, value);
      found = remembered_.emplace(std::move(key), std::move(entry)).first;
    }
    return Apply(found->second, value);
  }

 private:
  bool Loaded() {
    if (!triedLoading_) {
      triedLoading_ = true;
      ut_set_error_message_handler(ut_ignore);
      system_.reset(ut_read_xml(nullptr));
    }
    return system_ != nullptr;
  }

  UnitPointer Parse(const std::string& text) const {
    return UnitPointer(ut_parse(system_.get(), text.c_str(), UT_UTF8));
  }

  UnitEntry Examine(std::string_view unit, Quantity quantity) const {
    if (unit.size() > kLongestUnit) return {UnitFit::kUnknown};
    const UnitPointer from = Parse(AsLibraryText(unit));
    if (!from) return {UnitFit::kUnknown};
    const UnitPointer si = Parse(std::string(UnitsOf(quantity).siUnit));
    if (!ut_are_convertible(from.get(), si.get())) return {UnitFit::kUnfitting};
    if (ut_compare(from.get(), si.get()) == 0) return {UnitFit::kIsSiUnit};
    ConverterPointer converter(ut_get_converter(from.get(), si.get()));
    if (!converter) return {UnitFit::kUnfitting};
    return {UnitFit::kConverts, std::move(converter)};
  }

  static UnitConversion Apply(const UnitEntry& entry, double value) {
    if (entry.fit != UnitFit::kConverts) return {entry.fit};
    return {UnitFit::kConverts, cv_convert_double(entry.converter.get(), value)};
  }

  std::mutex mutex_;
  bool triedLoading_ = false;
  std::unique_ptr<ut_system, SystemFree> system_;
  std::map<std::string, UnitEntry> remembered_;
};

}  // namespace

UnitConversion ConvertToSi(double value, std::string_view unit, Quantity quantity) {
  static UnitLibrary library;
  return library.Convert(value, unit, quantity);
}

}  // namespace dorix
