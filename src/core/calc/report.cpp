#include "core/calc/report.h"

#include "core/state/module1.h"
#include "core/text/format_value.h"

namespace dorix {

ReportWriter ReportWriter::CondensationHeader() {
  return ReportWriter("Output:" + Module1.CrLf + "        " + Module1.CrLf);
}

ReportWriter ReportWriter::EvaporationHeader() {
  return ReportWriter("Output :" + Module1.CrLf);
}

void ReportWriter::AppendLine(std::string_view line) {
  text_ += line;
  text_ += Module1.CrLf;
}

void ReportWriter::AppendEmptyLine() {
  text_ += Module1.CrLf;
}

void ReportWriter::AppendSaturationLine(double tsat, double pressure) {
  AppendLine("Saturation temperature = " + FormatValue(tsat) + " K at P=" + FormatValue(pressure) +
             " Pa");
}

void ReportWriter::AppendPropertyLine(const PropertyLineText& line, double value,
                                      double temperature) {
  AppendLine(std::string(line.label) + FormatValue(value) + std::string(line.join) +
             FormatValue(temperature) + " K");
}

void ReportWriter::AppendResultLine(std::string_view label, double value, std::string_view unit) {
  AppendLine(std::string(label) + FormatValue(value) + std::string(unit));
}

}  // namespace dorix
