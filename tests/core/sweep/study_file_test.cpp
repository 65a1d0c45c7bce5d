// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/sweep/study_file.h"

namespace dorix {
namespace {

TEST(StudyFile, ReadsBackWhatItWrites) {
  TubeCondensationFields tubes;
  tubes.wallTemp = "40 degC";
  tubes.tempTypeIndex = kSaturationVaporTemperature;
  tubes.rowFactor = RowFactor::kKern;
  EvaporationFields evaporation;
  evaporation.coefficients.C = "31";
  evaporation.vaporDensity = VaporDensity::kIncluded;
  for (const StudySettings& saved :
       {StudySettings{
            tubes, 6, true, {"tubes", "1", "20", "20", false}, {"heat_transfer_coefficient"}, true},
        StudySettings{
            evaporation, 2, false, {"flow_rate", "0.01", "1 kg/m h", "31", true}, {}, false}}) {
    std::string message;
    const std::optional<StudySettings> read = ReadStudyFile(StudyFileText(saved), message);
    ASSERT_TRUE(read) << message;
    EXPECT_EQ(read->fields, saved.fields);
    EXPECT_EQ(read->fluid, saved.fluid);
    EXPECT_EQ(read->allFluids, saved.allFluids);
    EXPECT_EQ(std::tie(read->range.field, read->range.from, read->range.to, read->range.count,
                       read->range.logarithmic),
              std::tie(saved.range.field, saved.range.from, saved.range.to, saved.range.count,
                       saved.range.logarithmic));
    EXPECT_EQ(read->results, saved.results);
    EXPECT_EQ(read->logarithmicResults, saved.logarithmicResults);
  }
}

TEST(StudyFile, RefusesTextThatIsNoStudyWithOneMessage) {
  const std::string lead = "*** ERROR: The file is not a DORIX study: ";
  const std::string missing = lead + "a value is missing or of the wrong kind.";
  for (const auto& [text, expected] : std::vector<std::pair<std::string, std::string>>{
           {"not json", lead + "it has no \"dorix_study\": 1."},
           {R"({"dorix_study": 2})", lead + "it has no \"dorix_study\": 1."},
           {R"({"dorix_study": 1, "problem": "boiling"})", lead + "unknown problem."},
           {R"({"dorix_study": 1, "problem": "tube-condensation", "fluid": "air"})",
            lead + "unknown fluid."},
           {R"({"dorix_study": 1, "problem": "tube-condensation", "fluid": "water"})", missing},
           {R"({"dorix_study": 1, "problem": "wall-evaporation", "fluid": "water", "fields": {},
               "vary": "length", "from": 1, "to": "2", "points": "3"})",
            missing}}) {
    std::string message;
    EXPECT_FALSE(ReadStudyFile(text, message)) << text;
    EXPECT_EQ(message, expected) << text;
  }
}

}  // namespace
}  // namespace dorix
