// SPDX-License-Identifier: MIT
#include "core/props/property_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/text/decimal_text.h"

namespace dorix {

namespace {

// Splits property-file text into fields: a field ends at a comma or a line
// end, blanks before it are skipped, and a name may stand between double
// quotes. Blank lines between fields are passed over.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  // True when nothing but blanks and line ends is left; otherwise line()
  // becomes the line on which the next field starts.
  bool AtEnd() {
    SkipSeparators();
    line_ = current_line_;
    return pos_ >= text_.size();
  }

  // The next field, or nothing when the text has ended.
  std::optional<std::string> Next() {
    if (AtEnd()) return std::nullopt;
    if (text_[pos_] == '"') return Quoted();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
    std::string field(TrimBlanks(text_.substr(start, pos_ - start)));
    ConsumeComma();
    return field;
  }

  // Line on which the last field read starts, counted from 1.
  int line() const { return line_; }

 private:
  static bool IsDelimiter(char c) { return c == ',' || c == '\n' || c == '\r'; }

  void SkipSeparators() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++current_line_;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        return;
      }
      ++pos_;
    }
  }

  std::string Quoted() {
    ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n') ++pos_;
    std::string field(text_.substr(start, pos_ - start));
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    // Anything between the closing quote and the delimiter is not part of the name.
    while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
    ConsumeComma();
    return field;
  }

  void ConsumeComma() {
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int current_line_ = 1;
  int line_ = 1;
};

// Parses one file into a store and words every failure the same way.
class RecordParser {
 public:
  RecordParser(std::string_view text, const std::string& fileLabel, PropertyStore& store)
      : reader_(text), file_(fileLabel), store_(store) {}

  LoadResult Run() {
    int slot = 0;
    while (!reader_.AtEnd()) {
      if (slot == kMaxCurves) {
        return Fail(reader_.line(), "",
                    "a curve record begins after the " + std::to_string(kMaxCurves) +
                        " curves the store can hold");
      }
      ++slot;
      if (auto failure = ReadRecord(slot)) return *failure;
    }
    return {};
  }

 private:
  std::optional<LoadResult> ReadRecord(int slot) {
    std::string name = *reader_.Next();
    curve_ = name;
    const int nameLine = reader_.line();

    const auto countText = reader_.Next();
    if (!countText) return Fail(nameLine, curve_, "the file ends before the point count");
    int count = 0;
    const auto [end, error] =
        std::from_chars(countText->data(), countText->data() + countText->size(), count);
    if (error != std::errc() || end != countText->data() + countText->size()) {
      return Fail(reader_.line(), curve_,
                  "the point count \"" + *countText + "\" is not a whole number");
    }
    if (count < 0 || count > kMaxPoints) {
      return Fail(
          reader_.line(), curve_,
          "the point count " + *countText + " is outside 0 to " + std::to_string(kMaxPoints));
    }

    float factor = 0.0F;
    if (auto failure = ReadNumber("the scale factor", factor)) return failure;

    CurvePoints& points = store_.PropData[slot];
    for (int j = 1; j <= count; ++j) {
      if (auto failure = ReadNumber(Ordinal("abscissa", j, count), points[1][j])) return failure;
    }
    for (int j = 1; j <= count; ++j) {
      float y = 0.0F;
      if (auto failure = ReadNumber(Ordinal("ordinate", j, count), y)) return failure;
      points[2][j] = static_cast<float>(static_cast<double>(factor) * static_cast<double>(y));
      if (!std::isfinite(points[2][j])) {
        return Fail(
            reader_.line(), curve_,
            Ordinal("ordinate", j, count) + " times the scale factor exceeds single precision");
      }
    }
    store_.PropName[slot] = std::move(name);
    store_.PropCount[slot] = static_cast<std::int16_t>(count);
    return std::nullopt;
  }

  std::optional<LoadResult> ReadNumber(const std::string& what, float& value) {
    const int lineBefore = reader_.line();
    const auto text = reader_.Next();
    if (!text) return Fail(lineBefore, curve_, "the file ends before " + what);
    const auto parsed = ParseSingle(*text);
    if (!parsed) {
      return Fail(reader_.line(), curve_,
                  text->empty() ? what + " is an empty field"
                                : what + " \"" + *text + "\" is not a number");
    }
    value = *parsed;
    return std::nullopt;
  }

  static std::string Ordinal(const char* what, int j, int count) {
    return std::string(what) + " " + std::to_string(j) + " of " + std::to_string(count);
  }

  LoadResult Fail(int line, const std::string& curve, const std::string& what) const {
    std::string message = "Property file \"" + file_ + "\", line " + std::to_string(line);
    if (!curve.empty()) message += ", curve \"" + curve + "\"";
    return LoadResult::Failure(message + ": " + what + ".");
  }

  FieldReader reader_;
  const std::string& file_;
  PropertyStore& store_;
  std::string curve_;
};

std::string DescribeCurveFault(const PropertyStore& store, const std::string& name) {
  const int slot = store.FindCurve(name);
  if (slot == 0) return "is missing";
  const int count = store.PropCount[slot];
  if (count < 4) return "has " + std::to_string(count) + " points; at least 4 are needed";
  const CurvePoints& points = store.PropData[slot];
  for (int j = 2; j <= count; ++j) {
    if (!(points[1][j] > points[1][j - 1])) {
      return "has abscissae that do not increase strictly at point " + std::to_string(j);
    }
  }
  return {};
}

}  // namespace

LoadResult ParsePropertyText(std::string_view text, const std::string& fileLabel,
                             PropertyStore& store) {
  LoadResult result = RecordParser(text, fileLabel, store).Run();
  store.IndexCurves();
  return result;
}

LoadResult CheckRequiredCurves(const PropertyStore& store, const std::string& fileLabel) {
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (int code = 1; code <= kPropertyCodeCount; ++code) {
      if (IsConstantProperty(fluid, code)) continue;
      const std::string name = CurveName(fluid, code);
      const std::string fault = DescribeCurveFault(store, name);
      if (!fault.empty()) {
        return LoadResult::Failure("Property file \"" + fileLabel + "\": curve \"" + name + "\" " +
                                   fault + ".");
      }
    }
  }
  return {};
}

LoadResult LoadPropertyFile(const std::filesystem::path& path, PropertyStore& store) {
  const std::string label = path.string();
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return LoadResult::Failure("Property file \"" + label +
                               "\" cannot be opened: it does not exist or is not a file.");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return LoadResult::Failure("Property file \"" + label + "\" cannot be opened.");
  const std::string contents{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
  if (file.bad()) return LoadResult::Failure("Property file \"" + label + "\" cannot be read.");

  PropertyStore loaded;
  LoadResult result = ParsePropertyText(contents, label, loaded);
  if (result.ok) result = CheckRequiredCurves(loaded, label);
  if (result.ok) store = std::move(loaded);
  return result;
}

}  // namespace dorix
