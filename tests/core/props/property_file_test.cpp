// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/fluids/fluid.h"
#include "core/props/property_file.h"
#include "core/state/get_property.h"

namespace dorix {
namespace {

// Every curve the program needs, four increasing points each.
std::string CompleteFile() {
  std::string text;
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (int code = 1; code <= kPropertyCodeCount; ++code) {
      if (IsConstantProperty(fluid, code)) continue;
      text += CurveName(fluid, code) + ",4,1\n100,200,300,400\n1,2,3,4\n";
    }
  }
  return text;
}

LoadResult Parse(const std::string& text, PropertyStore& store) {
  return ParsePropertyText(text, "test.dat", store);
}

TEST(PropertyFile, StoresCurvesInFileOrderWithScaledOrdinates) {
  PropertyStore store;
  const LoadResult result = Parse(
      "watmul,3,1E-06\n273.15,300,350\n1791.5,853.7,369.3\n"
      "\"nh3rol\" , 4 , 1\n  220.5,  230 ,240,250\n702.1,690,678.5,666\n",
      store);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(store.PropName[1], "watmul");
  EXPECT_EQ(store.PropName[2], "nh3rol");
  EXPECT_EQ(store.PropName[3], "");
  EXPECT_EQ(store.PropCount[1], 3);
  EXPECT_EQ(store.PropCount[2], 4);
  EXPECT_EQ(store.PropCount[3], 0);
  // The factor scales the ordinates only, rounded once to single precision.
  EXPECT_EQ(store.PropData[1][1][1], 273.15F);
  EXPECT_EQ(store.PropData[1][2][1], static_cast<float>(1E-06F * static_cast<double>(1791.5F)));
  EXPECT_EQ(store.PropData[2][1][1], 220.5F);
  EXPECT_EQ(store.PropData[2][2][3], 678.5F);
  EXPECT_EQ(store.PropData[1][2][4], 0.0F);  // beyond the curve's points
}

TEST(PropertyFile, AcceptsAnyLayoutOfFields) {
  // One value a line, CR LF line ends, blank lines, exponent forms, a record
  // of no points and blanks after the last record.
  PropertyStore store;
  const LoadResult result = Parse(
      "\r\nempty,0,1\r\n\r\nn2kl\r\n4\r\n1\r\n70\r\n80\r\n9E1\r\n1.0e+2\r\n"
      "0.15, 0.13\r\n\r\n0.11,+9.0E-2\r\n  \r\n\t\r\n",
      store);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(store.PropName[1], "empty");
  EXPECT_EQ(store.PropCount[1], 0);
  EXPECT_EQ(store.PropName[2], "n2kl");
  EXPECT_EQ(store.PropData[2][1][3], 90.0F);
  EXPECT_EQ(store.PropData[2][2][4], 0.09F);
}

TEST(PropertyFile, KeepsDuplicateNamesAndFindsTheFirst) {
  PropertyStore store;
  ASSERT_TRUE(Parse("a,1,1\n1\n10\na,1,1\n1\n20\n", store).ok);
  EXPECT_EQ(store.PropName[2], "a");
  EXPECT_EQ(store.FindCurve("a"), 1);
  EXPECT_EQ(store.FindCurve("b"), 0);
}

TEST(PropertyFile, HoldsTwoHundredCurvesAndNoMore) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "c" + std::to_string(i) + ",0,1\n";
  PropertyStore store;
  EXPECT_TRUE(Parse(text, store).ok);
  PropertyStore full;
  const LoadResult result = Parse(text + "extra,0,1\n", full);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message,
            "Property file \"test.dat\", line 201: a curve record begins after the 200 curves "
            "the store can hold.");
}

struct MalformedCase {
  const char* label;
  const char* text;
  const char* message;
};

class MalformedFile : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, IsRefusedWithOneClearMessage) {
  PropertyStore store;
  const LoadResult result = Parse(GetParam().text, store);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedFile,
    testing::Values(
        MalformedCase{"LetterInAbscissae", "watrol,4,1\n1,2,x,4\n5,6,7,8\n",
                      "Property file \"test.dat\", line 2, curve \"watrol\": abscissa 3 of 4 "
                      "\"x\" is not a number."},
        MalformedCase{"EmptyOrdinate", "watrol,4,1\n1,2,3,4\n5,,7,8\n",
                      "Property file \"test.dat\", line 3, curve \"watrol\": ordinate 2 of 4 is "
                      "an empty field."},
        MalformedCase{"BadFactor", "watrol,4,one\n",
                      "Property file \"test.dat\", line 1, curve \"watrol\": the scale factor "
                      "\"one\" is not a number."},
        MalformedCase{"CutOffRecord", "watrol,4,1\n1,2,3,4\n5,6\n",
                      "Property file \"test.dat\", line 3, curve \"watrol\": the file ends "
                      "before ordinate 3 of 4."},
        MalformedCase{"NameOnly", "a,0,1\nwatrol\n",
                      "Property file \"test.dat\", line 2, curve \"watrol\": the file ends "
                      "before the point count."},
        MalformedCase{"TooManyPoints", "watrol,201,1\n",
                      "Property file \"test.dat\", line 1, curve \"watrol\": the point count 201 "
                      "is outside 0 to 200."},
        MalformedCase{"NegativeCount", "watrol,-1,1\n",
                      "Property file \"test.dat\", line 1, curve \"watrol\": the point count -1 "
                      "is outside 0 to 200."},
        MalformedCase{"FractionalCount", "watrol,4.5,1\n",
                      "Property file \"test.dat\", line 1, curve \"watrol\": the point count "
                      "\"4.5\" is not a whole number."},
        MalformedCase{"NotANumberText", "watrol,1,1\nnan\n1\n",
                      "Property file \"test.dat\", line 2, curve \"watrol\": abscissa 1 of 1 "
                      "\"nan\" is not a number."},
        MalformedCase{"ScaledOverflow", "watrol,1,1E30\n1\n1E30\n",
                      "Property file \"test.dat\", line 3, curve \"watrol\": ordinate 1 of 1 "
                      "times the scale factor exceeds single precision."}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.label; });

TEST(RequiredCurves, ACompleteFilePasses) {
  PropertyStore store;
  ASSERT_TRUE(Parse(CompleteFile(), store).ok);
  const LoadResult result = CheckRequiredCurves(store, "test.dat");
  EXPECT_TRUE(result.ok) << result.message;
}

struct RequiredCase {
  const char* label;
  const char* replace;  // text in the complete file …
  const char* with;     // … and what stands there instead
  const char* message;
};

class RequiredCurveFault : public testing::TestWithParam<RequiredCase> {};

TEST_P(RequiredCurveFault, NamesTheCurve) {
  std::string text = CompleteFile();
  const std::string target = GetParam().replace;
  text.replace(text.find(target), target.size(), GetParam().with);
  PropertyStore store;
  ASSERT_TRUE(Parse(text, store).ok);
  const LoadResult result = CheckRequiredCurves(store, "test.dat");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RequiredCurveFault,
    testing::Values(
        RequiredCase{"Missing", "fr134acpv,", "fr134acpX,",
                     "Property file \"test.dat\": curve \"fr134acpv\" is missing."},
        RequiredCase{"TooFewPoints", "hgsig,4,1\n100,200,300,400\n1,2,3,4",
                     "hgsig,3,1\n100,200,300\n1,2,3",
                     "Property file \"test.dat\": curve \"hgsig\" has 3 points; at least 4 are "
                     "needed."},
        RequiredCase{"RepeatedAbscissa", "n2tsat,4,1\n100,200,300,400",
                     "n2tsat,4,1\n100,200,200,400",
                     "Property file \"test.dat\": curve \"n2tsat\" has abscissae that do not "
                     "increase strictly at point 3."},
        RequiredCase{"Decreasing", "watrol,4,1\n100,200,300,400", "watrol,4,1\n400,300,200,100",
                     "Property file \"test.dat\": curve \"watrol\" has abscissae that do not "
                     "increase strictly at point 2."}),
    [](const testing::TestParamInfo<RequiredCase>& info) { return info.param.label; });

class PropertyFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("dorix-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path Write(const std::string& text) {
    const auto path = folder_ / "BoilProp.dat";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::filesystem::path folder_;
};

TEST_F(PropertyFileOnDisk, LoadsACompleteFile) {
  PropertyStore store;
  const LoadResult result = LoadPropertyFile(Write(CompleteFile()), store);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(store.PropName[65], "fr134acpv");
}

TEST_F(PropertyFileOnDisk, AFaultyFileLeavesTheStoreUntouched) {
  PropertyStore store;
  ASSERT_TRUE(Parse("keep,0,1\n", store).ok);
  const auto path = Write("watrol,4,1\n1,2,3,4\n");
  const LoadResult result = LoadPropertyFile(path, store);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
  EXPECT_EQ(store.PropName[1], "keep");
}

TEST_F(PropertyFileOnDisk, AMissingFileOrAFolderIsNamed) {
  PropertyStore store;
  for (const auto& path : {folder_ / "absent.dat", folder_}) {
    const LoadResult result = LoadPropertyFile(path, store);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Property file \"" + path.string() +
                                  "\" cannot be opened: it does not exist or is not a file.");
  }
}

}  // namespace
}  // namespace dorix
