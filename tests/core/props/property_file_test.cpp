// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/props/property_file.h"

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

// Quoted names, blanks around fields, one value a line, CR LF line ends,
// blank lines, exponent forms, a record of no points and blanks after the
// last record.
TEST(PropertyFile, StoresCurvesInFileOrderWithScaledOrdinatesFromAnyLayout) {
  PropertyStore store;
  const LoadResult result = Parse(
      "watmul,3,1E-06\n273.15,300,350\n1791.5,853.7,369.3\n"
      "\"nh3rol\" , 4 , 1\n  220.5,  230 ,240,250\n702.1,690,678.5,666\n"
      "\r\nempty,0,1\r\n\r\nn2kl\r\n4\r\n1\r\n70\r\n80\r\n9E1\r\n1.0e+2\r\n"
      "0.15, 0.13\r\n\r\n0.11,+9.0E-2\r\n  \r\n\t\r\n",
      store);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(std::vector(store.PropName.begin() + 1, store.PropName.begin() + 6),
            (std::vector<std::string>{"watmul", "nh3rol", "empty", "n2kl", ""}));
  EXPECT_EQ(std::vector(store.PropCount.begin() + 1, store.PropCount.begin() + 5),
            (std::vector<std::int16_t>{3, 4, 0, 4}));
  // The factor scales the ordinates only, rounded once to single precision.
  EXPECT_EQ(store.PropData[1][1][1], 273.15F);
  EXPECT_EQ(store.PropData[1][2][1], static_cast<float>(1E-06F * static_cast<double>(1791.5F)));
  EXPECT_EQ(store.PropData[2][1][1], 220.5F);
  EXPECT_EQ(store.PropData[2][2][3], 678.5F);
  EXPECT_EQ(store.PropData[1][2][4], 0.0F);  // beyond the curve's points
  EXPECT_EQ(store.PropData[4][1][3], 90.0F);
  EXPECT_EQ(store.PropData[4][2][4], 0.09F);
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

TEST(PropertyFile, RefusesAMalformedFileWithOneClearMessage) {
  const auto at = [](int line, const char* what) {
    return "Property file \"test.dat\", line " + std::to_string(line) +
           ", curve \"watrol\": " + what;
  };
  const std::pair<const char*, std::string> kCases[] = {
      {"watrol,4,1\n1,2,x,4\n5,6,7,8\n", at(2, "abscissa 3 of 4 \"x\" is not a number.")},
      {"watrol,4,1\n1,2,3,4\n5,,7,8\n", at(3, "ordinate 2 of 4 is an empty field.")},
      {"watrol,4,one\n", at(1, "the scale factor \"one\" is not a number.")},
      {"watrol,4,1\n1,2,3,4\n5,6\n", at(3, "the file ends before ordinate 3 of 4.")},
      {"a,0,1\nwatrol\n", at(2, "the file ends before the point count.")},
      {"watrol,201,1\n", at(1, "the point count 201 is outside 0 to 200.")},
      {"watrol,-1,1\n", at(1, "the point count -1 is outside 0 to 200.")},
      {"watrol,4.5,1\n", at(1, "the point count \"4.5\" is not a whole number.")},
      {"watrol,1,1\nnan\n1\n", at(2, "abscissa 1 of 1 \"nan\" is not a number.")},
      {"watrol,1,1E30\n1\n1E30\n",
       at(3, "ordinate 1 of 1 times the scale factor exceeds single precision.")},
  };
  for (const auto& [text, message] : kCases) {
    PropertyStore store;
    const LoadResult result = Parse(text, store);
    EXPECT_FALSE(result.ok) << text;
    EXPECT_EQ(result.message, message);
  }
}

// A complete file passes; each fault names its curve.
TEST(RequiredCurves, AreCheckedCurveByCurve) {
  PropertyStore complete;
  ASSERT_TRUE(Parse(CompleteFile(), complete).ok);
  const LoadResult passed = CheckRequiredCurves(complete, "test.dat");
  EXPECT_TRUE(passed.ok) << passed.message;

  const std::string file = "Property file \"test.dat\": curve ";
  const struct {
    const char* replace;  // text in the complete file …
    const char* with;     // … and what stands there instead
    std::string message;
  } kCases[] = {
      {"fr134acpv,", "fr134acpX,", file + "\"fr134acpv\" is missing."},
      {"hgsig,4,1\n100,200,300,400\n1,2,3,4", "hgsig,3,1\n100,200,300\n1,2,3",
       file + "\"hgsig\" has 3 points; at least 4 are needed."},
      {"n2tsat,4,1\n100,200,300,400", "n2tsat,4,1\n100,200,200,400",
       file + "\"n2tsat\" has abscissae that do not increase strictly at point 3."},
      {"watrol,4,1\n100,200,300,400", "watrol,4,1\n400,300,200,100",
       file + "\"watrol\" has abscissae that do not increase strictly at point 2."},
  };
  for (const auto& c : kCases) {
    std::string text = CompleteFile();
    text.replace(text.find(c.replace), std::string(c.replace).size(), c.with);
    PropertyStore store;
    ASSERT_TRUE(Parse(text, store).ok);
    const LoadResult result = CheckRequiredCurves(store, "test.dat");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
  }
}

// From disk a complete file loads; a faulty file, a missing one or a folder
// is named and leaves the store as it was.
TEST(PropertyFileOnDisk, LoadsACompleteFileAndNamesOneItCannotLoad) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("dorix-test-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  const auto complete = folder / "BoilProp.dat";
  const auto faulty = folder / "faulty.dat";
  std::ofstream(complete, std::ios::binary) << CompleteFile();
  std::ofstream(faulty, std::ios::binary) << "watrol,4,1\n1,2,3,4\n";

  PropertyStore store;
  const LoadResult loaded = LoadPropertyFile(complete, store);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(store.PropName[65], "fr134acpv");
  const LoadResult refused = LoadPropertyFile(faulty, store);
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.message.find(faulty.string()), std::string::npos) << refused.message;
  for (const auto& path : {folder / "absent.dat", folder}) {
    const LoadResult result = LoadPropertyFile(path, store);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Property file \"" + path.string() +
                                  "\" cannot be opened: it does not exist or is not a file.");
  }
  EXPECT_EQ(store.PropName[65], "fr134acpv");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace dorix
