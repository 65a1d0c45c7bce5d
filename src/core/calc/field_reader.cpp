#include "core/calc/field_reader.h"

#include "core/text/field_text.h"

namespace dorix {

bool FieldReader::Read(const InputField& field, std::string_view text, double& value) {
  const std::optional<float> read = ReadFieldText(text);
  if (!read) {
    context_.refusal = NotANumberMessage(field.label, text);
    return false;
  }
  value = *read;
  Note(field, value);
  return true;
}

void FieldReader::Note(const InputField& field, double value) {
  context_.inputs.push_back({field.name, value});
}

bool FieldReader::ReadCoefficients(const CoefficientTexts& texts, WallCorrelations& k) {
  return Read(kCoeffAField, texts.A, k.A) && Read(kCoeffnField, texts.n, k.n) &&
         Read(kCoeffBField, texts.B, k.B) && Read(kCoeffmField, texts.m, k.m) &&
         Read(kCoeffsField, texts.s, k.s) && Read(kCoeffCField, texts.C, k.C) &&
         Read(kCoeffvField, texts.v, k.v) && Read(kCoeffDField, texts.D, k.D) &&
         Read(kCoeffwField, texts.w, k.w);
}

}  // namespace dorix
