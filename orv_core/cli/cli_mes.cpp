// "mes": fields of the shared measurement record by index. The record lives in the
// store's memory only, so one call may chain operations: "mes set 509 4660 get 509".
#include <cstdlib>
#include <string>

#include "cli.h"
#include "orvDatas.h"

namespace {

// VALUE is read as the field's type: a float, an int (also for byte fields, of which the
// low 8 bits are kept) or a char given by its number.
int setField(orvDatas& datas, int index, const std::string& text) {
  float asFloat = std::strtof(text.c_str(), nullptr);
  int asInt = static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
  char asChar = static_cast<char>(asInt);
  switch (mesIndexType(index)) {
    case MES_FLOAT: return datas.setMES_struct(index, &asFloat);
    case MES_CHAR: return datas.setMES_struct(index, &asChar);
    default: return datas.setMES_struct(index, &asInt);
  }
}

int runMes(const CliArgs& args) {
  if (args.empty()) return cliUsage("mes");
  orvDatas* datas = cliStore();
  size_t i = 0;
  while (i < args.size()) {
    int index = 0;
    if (args[i] == "get" && i + 1 < args.size() && cliParseInt(args[i + 1], &index)) {
      mes_value_t v = datas->getMES_struct(index);
      cliPrint("index", static_cast<long long>(index));
      cliPrint("char", static_cast<long long>(v.charValue));
      cliPrint("int", static_cast<long long>(v.intValue));
      cliPrint("float", static_cast<double>(v.floatValue));
      i += 2;
    } else if (args[i] == "set" && i + 2 < args.size() && cliParseInt(args[i + 1], &index)) {
      cliPrint("set", static_cast<long long>(setField(*datas, index, args[i + 2])));
      i += 3;
    } else {
      return cliUsage("mes");
    }
  }
  return 0;
}

CliGroup group("mes", "mes get INDEX | mes set INDEX VALUE [get INDEX | set INDEX VALUE ...]",
               &runMes);

}  // namespace
