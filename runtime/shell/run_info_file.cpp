#include "runtime/shell/run_info_file.h"

#include "runtime/shell/list_file.h"
#include "runtime/shell/list_merge.h"

namespace pemo::shell {
namespace {

constexpr ListFileFormat kRunInfoFormat{"APP", "App", static_cast<size_t>(-1), kRunListLimit};

std::vector<ListValue> listValuesOf(const std::vector<page::RunListEntry>& runList) {
  std::vector<ListValue> values;
  for (const auto& entry : runList) values.push_back({entry.caption, entry.commandLine});
  return values;
}

std::vector<page::RunListEntry> runListOf(std::vector<ListValue> values) {
  std::vector<page::RunListEntry> runList;
  for (ListValue& value : values) runList.push_back({std::move(value.caption), std::move(value.rest)});
  return runList;
}

}  // namespace

std::string runInfoFile(const std::string& appFolder) { return appFolder + "PemoUser\\PEMORUN.DAT"; }

std::vector<page::RunListEntry> readRunInfo(const std::string& file) {
  return runListOf(readListFile(file, kRunInfoFormat));
}

void getRunInfo(page::RuntimeState& runtime) {
  runtime.runList = readRunInfo(runInfoFile(runtime.appFolder));
  runtime.storedRunList = runtime.runList;
}

bool storeRunInfo(page::RuntimeState& runtime) {
  const auto stored = storeListChanges(runInfoFile(runtime.appFolder), kRunInfoFormat,
                                       listValuesOf(runtime.storedRunList), listValuesOf(runtime.runList));
  if (!stored) return false;
  runtime.runList = runtime.storedRunList = runListOf(*stored);
  return true;
}

void warnIfRunInfoCannotBeStored(const page::RuntimeState& runtime) {
  const std::string file = runInfoFile(runtime.appFolder);
  if (!listFileStorable(file, kRunInfoFormat)) tellNotStored(file);
}

}  // namespace pemo::shell
