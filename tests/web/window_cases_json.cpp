// Writes the window tests' tables as JSON for the page's tests, with the lists that the first
// three Filter presses after a start give: window_cases_json <out.json>.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "tests/window_cases.h"
#include "ui/web/json_text.h"

namespace {

using web::JsonText;

std::string Steps(const cases::Steps& steps) {
  std::string list = "[";
  for (const std::string_view step : steps) list += (list.size() > 1 ? ", " : "") + JsonText(step);
  return list + "]";
}

std::string Number(int value) { return std::to_string(value); }
std::string Flag(bool value) { return value ? "true" : "false"; }

template <typename Row, typename Fields>
std::string Table(const std::vector<Row>& rows, Fields fields) {
  std::string table = "[\n";
  for (const Row& row : rows) {
    table += std::string(table.size() > 2 ? ",\n" : "") + "    {\"row\": " + JsonText(row.row) +
             fields(row) + "}";
  }
  return table + "\n  ]";
}

std::string Field(std::string_view name, const std::string& value) {
  return ", " + JsonText(name) + ": " + value;
}

std::string Cases() {
  constexpr const char* kBoxKeys[] = {"Enter", "Esc"};
  constexpr const char* kKeys[] = {"Return", "KeypadEnter", "Escape"};
  constexpr const char* kModifiers[] = {"None", "Shift", "Ctrl", "Alt"};
  constexpr const char* kActions[] = {"Filter", "Copy", "Close", "Nothing"};
  constexpr const char* kGestures[] = {"Click", "ClickFromCopy", "RightClick", "DragOut", "TabIn"};

  std::string tabOrder = "[";
  for (const std::string_view name : cases::kTabOrder) {
    tabOrder += (tabOrder.size() > 1 ? ", " : "") + JsonText(name);
  }
  tabOrder += "]";

  std::string json = "{\n";
  json += "  \"resultLength\": " + Number(cases::kResultLength) + ",\n";
  json += "  \"firstRunStart\": " + JsonText(cases::kFirstRunStart) + ",\n";
  json += "  \"secondRunStart\": " + JsonText(cases::kSecondRunStart) + ",\n";
  json += "  \"lastOfFirstRun\": " + JsonText(cases::kLastOfFirstRun) + ",\n";
  json += "  \"excludedDraw\": " + JsonText(cases::kExcludedDraw) + ",\n";
  json += "  \"rejection\": " + JsonText(cases::kRejection) + ",\n";
  json += "  \"filledCaption\": " + JsonText(cases::kFilledCaption) + ",\n";
  json += "  \"tabOrder\": " + tabOrder + ",\n";
  engine::ResetRunCounter();
  engine::Fill();
  json += "  \"firstRuns\": [";
  for (int run = 0; run < 3; ++run)
    json += (run > 0 ? ", " : "") + JsonText(engine::RunFilter().text);
  json += "],\n";
  json += "  \"controls\": " +
          Table(cases::kControls,
                [](const cases::Control& c) {
                  return Field("name", JsonText(c.name)) + Field("text", JsonText(c.text)) +
                         Field("left", Number(c.left)) + Field("top", Number(c.top)) +
                         Field("width", Number(c.width)) + Field("height", Number(c.height)) +
                         Field("spokenName", JsonText(c.spokenName));
                }) +
          ",\n";
  json += "  \"acceptedRuns\": " +
          Table(cases::kAcceptedRuns,
                [](const cases::FilterRun& r) {
                  return Field("before", Steps(r.before)) + Field("start", JsonText(r.start));
                }) +
          ",\n";
  json += "  \"rejectedRuns\": " +
          Table(cases::kRejectedRuns,
                [&](const cases::RejectedRun& r) {
                  return Field("before", Steps(r.before)) +
                         Field("closedWith", JsonText(kBoxKeys[int(r.closedWith)]));
                }) +
          ",\n";
  json += "  \"keyPresses\": " +
          Table(cases::kKeyPresses,
                [&](const cases::KeyPress& p) {
                  return Field("focus", JsonText(p.focus)) +
                         Field("key", JsonText(kKeys[int(p.key)])) +
                         Field("modifier", JsonText(kModifiers[int(p.modifier)])) +
                         Field("action", JsonText(kActions[int(p.action)]));
                }) +
          ",\n";
  json += "  \"verdicts\": " +
          Table(cases::kVerdicts,
                [](const cases::Verdict& v) {
                  return Field("steps", Steps(v.steps)) + Field("verdict", JsonText(v.verdict));
                }) +
          ",\n";
  json += "  \"reentries\": " +
          Table(cases::kReentries,
                [](const cases::Reentry& r) {
                  return Field("before", Steps(r.before)) + Field("typed", JsonText(r.typed)) +
                         Field("handlerRuns", Number(r.handlerRuns));
                }) +
          ",\n";
  json += "  \"announcements\": " +
          Table(cases::kAnnouncements,
                [](const cases::Announcement& a) {
                  return Field("before", Steps(a.before)) + Field("steps", Steps(a.steps)) +
                         Field("said", Steps(a.said));
                }) +
          ",\n";
  json += "  \"hits\": " +
          Table(cases::kHits,
                [](const cases::Hit& h) {
                  return Field("number", JsonText(h.number)) + Field("start", Number(h.start)) +
                         Field("scrolled", Flag(h.scrolled));
                }) +
          ",\n";
  json += "  \"clicksToClear\": " +
          Table(cases::kClicksToClear,
                [&](const cases::ClickToClear& c) {
                  return Field("before", Steps(c.before)) +
                         Field("gesture", JsonText(kGestures[int(c.gesture)])) +
                         Field("draw", JsonText(c.draw)) + Field("verdict", JsonText(c.verdict));
                }) +
          "\n";
  return json + "}\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: window_cases_json <out.json>\n", stderr);
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << Cases();
  return file ? 0 : 1;
}
