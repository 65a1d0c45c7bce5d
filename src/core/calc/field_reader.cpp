// SPDX-License-Identifier: MIT
#include "core/calc/field_reader.h"

namespace dorix {

FieldReading ReadField(const InputField& field, std::string_view text) {
  return ReadQuantityText(text, field.quantity, field.label);
}

bool FieldReader::Read(const InputField& field, std::string_view text, double& value) {
  const FieldReading* prepared =
      context_.readings != nullptr ? context_.readings->Find(field.name, nextReading_) : nullptr;
  FieldReading own;
  const FieldReading& read = prepared != nullptr ? *prepared : (own = ReadField(field, text));
  if (!read.value) {
    context_.refusal = read.message;
    return false;
  }
  value = *read.value;
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
