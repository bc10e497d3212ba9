// "regress XS YS": the leak analyses' regression over two comma-separated series.
#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "orv_utils.h"

namespace {
std::string fmtFixed(float value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
  return text;
}

int runRegress(const CliArgs& args) {
  if (args.size() != 2) return cliUsage("regress");
  std::vector<double> xs = strsplit_toDdouble(args[0], ',');
  std::vector<double> ys = strsplit_toDdouble(args[1], ',');
  if (xs.size() != ys.size()) return cliUsage("regress");
  std::vector<float> x(xs.begin(), xs.end()), y(ys.begin(), ys.end());
  float slope = 0, intercept = 0;
  int rc = linear_regression(x.data(), y.data(), static_cast<int>(x.size()), &slope, &intercept);
  // The precision of the worked examples the analyses' thresholds are read against.
  cliPrint("slope", fmtFixed(slope, 4));
  cliPrint("intercept", fmtFixed(intercept, 3));
  cliPrint("rc", static_cast<long long>(rc));
  return 0;
}
CliGroup group("regress", "regress X1,X2,... Y1,Y2,...", &runRegress);
}  // namespace
