// The score language: one statement per line, phrases of cells expanded into patterns.
//
//   title NAME | speed TICKS | tempo BPM
//   sample SLOT NAME KIND key=value...
//   phrase NAME [ins=SAMPLE] [vol=0..64] : CELL...
//   pattern NAME / chN ITEM... / end
//   order PATTERN...
//
// A CELL is "." (empty), NOTE[:SAMPLE][/EFFECT] or /EFFECT, optionally followed by *COUNT.
// An ITEM is a CELL or a phrase reference NAME[+SEMITONES|-SEMITONES][~VOLUME][*COUNT]; transposing
// moves pitched notes only, and a volume reaches only notes without an effect of their own.
#include "tools/composer/score_parser.h"

#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "tools/composer/note_names.h"

namespace composer {
namespace {

constexpr int MaxSampleVolume = 64;
constexpr int MaxNameLength = 22;
constexpr uint8_t SetVolumeEffect = 0xC;
constexpr uint8_t SetSpeedEffect = 0xF;
const std::set<std::string> DrumKinds = {"kick", "snare", "clap", "cymbal"};

struct Phrase {
  std::vector<Cell> cells;
};

std::vector<std::string> SplitWords(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  std::string word;
  while (stream >> word) words.push_back(word);
  return words;
}

bool ParseInt(const std::string& text, int& value) {
  if (text.empty() || text.size() > 6) return false;
  size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (start == text.size()) return false;
  for (size_t i = start; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  value = std::stoi(text);
  return true;
}

bool IsName(const std::string& text) {
  if (text.empty() || !std::islower(static_cast<unsigned char>(text[0]))) return false;
  for (char c : text)
    if (!std::islower(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c)) &&
        c != '_')
      return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class ScoreParser {
 public:
  Song Parse(const std::string& text);

 private:
  void Statement(const std::vector<std::string>& words);
  void SampleStatement(const std::vector<std::string>& words);
  void PhraseStatement(const std::vector<std::string>& words);
  void PatternLine(const std::vector<std::string>& words);
  void OrderStatement(const std::vector<std::string>& words);
  void FinishPattern();
  void FinishSong();
  void PlaceTiming();
  int PositiveNumber(const std::string& text, int low, int high, const char* what) const;
  int SampleRef(const std::string& text) const;
  std::vector<Cell> CellToken(const std::string& token, int defaultInstrument) const;
  Cell SingleCell(const std::string& text, int defaultInstrument) const;
  std::vector<Cell> PhraseRef(const std::string& token) const;
  static void ApplyVolume(std::vector<Cell>& cells, int volume);
  [[noreturn]] void Fail(const std::string& message) const { throw ScoreError(line_, message); }

  Song song_;
  int line_ = 0;
  std::map<std::string, int> sampleSlots_;
  std::set<int> unpitched_;  // drum slots, which a transposed phrase leaves at their pitch
  std::map<std::string, Phrase> phrases_;
  std::map<std::string, Pattern> patterns_;
  std::map<std::string, int> patternLines_;
  bool inPattern_ = false;
  Pattern current_;
  std::array<bool, ChannelCount> channelSeen_{};
  std::vector<std::string> orderNames_;
  bool sawTitle_ = false;
};

Song ScoreParser::Parse(const std::string& text) {
  std::istringstream stream(text);
  std::string raw;
  while (std::getline(stream, raw)) {
    ++line_;
    const std::string content = raw.substr(0, raw.find('#'));
    const std::vector<std::string> words = SplitWords(content);
    if (!words.empty()) Statement(words);
  }
  if (inPattern_) Fail("pattern '" + current_.name + "' has no 'end'");
  line_ = 0;
  FinishSong();
  return song_;
}

void ScoreParser::Statement(const std::vector<std::string>& words) {
  const std::string& keyword = words[0];
  if (inPattern_) return keyword == "end" ? FinishPattern() : PatternLine(words);
  if (keyword == "title" && words.size() == 2) {
    if (words[1].size() > 20) Fail("the title is longer than 20 characters");
    song_.title = words[1];
    sawTitle_ = true;
  } else if (keyword == "speed" && words.size() == 2) {
    song_.speedTicks = PositiveNumber(words[1], 1, 31, "speed");
  } else if (keyword == "tempo" && words.size() == 2) {
    song_.tempoBpm = PositiveNumber(words[1], 32, 255, "tempo");
  } else if (keyword == "sample") {
    SampleStatement(words);
  } else if (keyword == "phrase") {
    PhraseStatement(words);
  } else if (keyword == "pattern" && words.size() == 2) {
    if (!IsName(words[1])) Fail("'" + words[1] + "' is not a pattern name");
    if (patterns_.count(words[1])) Fail("pattern '" + words[1] + "' is defined twice");
    inPattern_ = true;
    current_ = Pattern{};
    current_.name = words[1];
    channelSeen_ = {};
    patternLines_[words[1]] = line_;
  } else if (keyword == "order") {
    OrderStatement(words);
  } else {
    Fail("cannot read the statement '" + keyword + "'");
  }
}

int ScoreParser::PositiveNumber(const std::string& text, int low, int high, const char* what) const {
  int value = 0;
  if (!ParseInt(text, value) || value < low || value > high)
    Fail(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
         std::to_string(high) + ", not '" + text + "'");
  return value;
}

void ScoreParser::SampleStatement(const std::vector<std::string>& words) {
  if (words.size() < 4) Fail("a sample needs a slot, a name and a kind");
  SampleSpec spec;
  spec.slot = PositiveNumber(words[1], 1, SampleSlotCount, "a sample slot");
  spec.name = words[2];
  spec.kind = words[3];
  spec.line = line_;
  if (!IsName(spec.name) || spec.name.size() > MaxNameLength)
    Fail("'" + spec.name + "' is not a sample name (lower case, at most 22 characters)");
  for (const SampleSpec& other : song_.samples) {
    if (other.slot == spec.slot) Fail("sample slot " + words[1] + " is used twice");
    if (other.name == spec.name) Fail("sample '" + spec.name + "' is defined twice");
  }
  bool sawVolume = false;
  for (size_t i = 4; i < words.size(); ++i) {
    const size_t equals = words[i].find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == words[i].size())
      Fail("'" + words[i] + "' is not a key=value parameter");
    const std::string key = words[i].substr(0, equals);
    const std::string value = words[i].substr(equals + 1);
    if (spec.params.count(key) || (key == "volume" && sawVolume))
      Fail("parameter '" + key + "' is given twice");
    if (key == "volume") {
      spec.volume = PositiveNumber(value, 0, MaxSampleVolume, "volume");
      sawVolume = true;
    } else {
      spec.params[key] = value;
    }
  }
  sampleSlots_[spec.name] = spec.slot;
  if (DrumKinds.count(spec.kind)) unpitched_.insert(spec.slot);
  song_.samples.push_back(spec);
}

int ScoreParser::SampleRef(const std::string& text) const {
  const auto named = sampleSlots_.find(text);
  if (named != sampleSlots_.end()) return named->second;
  int slot = 0;
  if (ParseInt(text, slot))
    for (const SampleSpec& spec : song_.samples)
      if (spec.slot == slot) return slot;
  Fail("no sample '" + text + "' is defined above");
}

void ScoreParser::PhraseStatement(const std::vector<std::string>& words) {
  if (words.size() < 3 || !IsName(words[1])) Fail("a phrase needs a name, then ':' and its cells");
  if (phrases_.count(words[1])) Fail("phrase '" + words[1] + "' is defined twice");
  int instrument = 0;
  int volume = -1;
  size_t i = 2;
  for (; i < words.size() && words[i] != ":"; ++i) {
    if (words[i].rfind("ins=", 0) == 0)
      instrument = SampleRef(words[i].substr(4));
    else if (words[i].rfind("vol=", 0) == 0)
      volume = PositiveNumber(words[i].substr(4), 0, MaxSampleVolume, "vol");
    else
      Fail("'" + words[i] + "' is neither ins= nor vol=");
  }
  if (i == words.size()) Fail("phrase '" + words[1] + "' has no ':' before its cells");
  Phrase phrase;
  for (++i; i < words.size(); ++i) {
    const std::vector<Cell> cells = CellToken(words[i], instrument);
    phrase.cells.insert(phrase.cells.end(), cells.begin(), cells.end());
  }
  if (phrase.cells.empty()) Fail("phrase '" + words[1] + "' has no cells");
  if (volume >= 0) ApplyVolume(phrase.cells, volume);
  phrases_[words[1]] = phrase;
}

std::vector<Cell> ScoreParser::CellToken(const std::string& token, int defaultInstrument) const {
  std::string text = token;
  int count = 1;
  const size_t star = token.find('*');
  if (star != std::string::npos) {
    text = token.substr(0, star);
    count = PositiveNumber(token.substr(star + 1), 1, RowsPerPattern, "a repeat count");
  }
  return std::vector<Cell>(count, SingleCell(text, defaultInstrument));
}

Cell ScoreParser::SingleCell(const std::string& text, int defaultInstrument) const {
  Cell cell;
  if (text == ".") return cell;
  std::string notePart = text;
  const size_t slash = text.find('/');
  if (slash != std::string::npos) {
    const std::string effect = text.substr(slash + 1);
    if (effect.size() != 3 || HexDigit(effect[0]) < 0 || HexDigit(effect[1]) < 0 ||
        HexDigit(effect[2]) < 0)
      Fail("'" + effect + "' is not an effect (three hex digits, e.g. C20)");
    cell.effect = uint8_t(HexDigit(effect[0]));
    cell.param = uint8_t(HexDigit(effect[1]) * 16 + HexDigit(effect[2]));
    notePart = text.substr(0, slash);
  }
  if (notePart.empty()) {
    if (slash == std::string::npos) Fail("empty cell");
    return cell;
  }
  const size_t colon = notePart.find(':');
  cell.note = uint8_t(ParseNoteName(notePart.substr(0, colon)));
  if (cell.note == 0) Fail("'" + notePart.substr(0, colon) + "' is not a note from C-1 to B-3");
  cell.instrument =
      uint8_t(colon == std::string::npos ? defaultInstrument : SampleRef(notePart.substr(colon + 1)));
  if (cell.instrument == 0) Fail("note '" + text + "' has no sample (give :SAMPLE or ins=)");
  return cell;
}

std::vector<Cell> ScoreParser::PhraseRef(const std::string& token) const {
  size_t end = 0;
  while (end < token.size() &&
         (std::islower(static_cast<unsigned char>(token[end])) ||
          std::isdigit(static_cast<unsigned char>(token[end])) || token[end] == '_'))
    ++end;
  const std::string name = token.substr(0, end);
  const auto found = phrases_.find(name);
  if (found == phrases_.end()) Fail("no phrase '" + name + "' is defined above");
  std::vector<Cell> cells = found->second.cells;
  int transpose = 0;
  int volume = -1;
  int count = 1;
  std::string rest = token.substr(end);
  while (!rest.empty()) {
    const size_t next = rest.find_first_of("+-~*", 1);
    const std::string part = rest.substr(0, next);
    rest = next == std::string::npos ? "" : rest.substr(next);
    const std::string value = part.substr(1);
    if (part[0] == '+' || part[0] == '-')
      transpose = (part[0] == '-' ? -1 : 1) * PositiveNumber(value, 0, NoteCount, "a transposition");
    else if (part[0] == '~')
      volume = PositiveNumber(value, 0, MaxSampleVolume, "a volume");
    else if (part[0] == '*')
      count = PositiveNumber(value, 1, RowsPerPattern, "a repeat count");
    else
      Fail("cannot read '" + token + "'");
  }
  for (Cell& cell : cells) {
    if (cell.note == 0 || unpitched_.count(cell.instrument)) continue;
    const int note = cell.note + transpose;
    if (note < 1 || note > NoteCount) Fail("'" + token + "' takes a note out of the range C-1 to B-3");
    cell.note = uint8_t(note);
  }
  if (volume >= 0) ApplyVolume(cells, volume);
  std::vector<Cell> repeated;
  for (int i = 0; i < count; ++i) repeated.insert(repeated.end(), cells.begin(), cells.end());
  return repeated;
}

// A volume only reaches notes that carry no effect of their own, so accents written in a phrase stay.
void ScoreParser::ApplyVolume(std::vector<Cell>& cells, int volume) {
  for (Cell& cell : cells) {
    if (cell.note == 0 || cell.HasEffect()) continue;
    cell.effect = SetVolumeEffect;
    cell.param = uint8_t(volume);
  }
}

void ScoreParser::PatternLine(const std::vector<std::string>& words) {
  const std::string& head = words[0];
  if (head.size() != 3 || head.compare(0, 2, "ch") != 0 || head[2] < '0' ||
      head[2] >= '0' + ChannelCount)
    Fail("inside a pattern a line starts with ch0 to ch3 (or is 'end'), not '" + head + "'");
  const int channel = head[2] - '0';
  if (channelSeen_[channel]) Fail("channel " + head.substr(2) + " is written twice in this pattern");
  channelSeen_[channel] = true;
  std::vector<Cell> cells;
  for (size_t i = 1; i < words.size(); ++i) {
    const char first = words[i][0];
    const bool isCell = first == '.' || first == '/' || (first >= 'A' && first <= 'G');
    const std::vector<Cell> part = isCell ? CellToken(words[i], 0) : PhraseRef(words[i]);
    cells.insert(cells.end(), part.begin(), part.end());
  }
  if (cells.size() != size_t(RowsPerPattern))
    Fail("channel " + head.substr(2) + " of pattern '" + current_.name + "' has " +
         std::to_string(cells.size()) + " rows, not 64");
  for (int row = 0; row < RowsPerPattern; ++row) current_.rows[row][channel] = cells[row];
}

void ScoreParser::FinishPattern() {
  patterns_[current_.name] = current_;
  inPattern_ = false;
}

void ScoreParser::OrderStatement(const std::vector<std::string>& words) {
  for (size_t i = 1; i < words.size(); ++i) {
    if (!patterns_.count(words[i])) Fail("no pattern '" + words[i] + "' is defined above");
    orderNames_.push_back(words[i]);
  }
  if (orderNames_.size() > size_t(OrderTableSize)) Fail("the order list is longer than 128");
}

void ScoreParser::FinishSong() {
  if (!sawTitle_) Fail("the score has no title");
  if (orderNames_.empty()) Fail("the score has no order list");
  std::map<std::string, int> numbers;
  for (const std::string& name : orderNames_) {
    if (!numbers.count(name)) {
      numbers[name] = int(song_.patterns.size());
      song_.patterns.push_back(patterns_[name]);
    }
    song_.order.push_back(numbers[name]);
  }
  for (const auto& [name, line] : patternLines_)
    if (!numbers.count(name)) throw ScoreError(line, "pattern '" + name + "' is never played");
  if (song_.patterns.size() > size_t(MaxPatternCount)) Fail("the song uses more than 64 patterns");
  PlaceTiming();
}

// A speed or tempo other than the tracker's defaults is set on the first row that plays.
void ScoreParser::PlaceTiming() {
  std::vector<Cell> wanted;
  if (song_.speedTicks != DefaultSpeedTicks)
    wanted.push_back({0, 0, SetSpeedEffect, uint8_t(song_.speedTicks)});
  if (song_.tempoBpm != DefaultTempoBpm)
    wanted.push_back({0, 0, SetSpeedEffect, uint8_t(song_.tempoBpm)});
  auto& firstRow = song_.patterns[song_.order[0]].rows[0];
  for (Cell& cell : firstRow) {
    if (wanted.empty()) return;
    if (cell.HasEffect()) continue;
    cell.effect = wanted.back().effect;
    cell.param = wanted.back().param;
    wanted.pop_back();
  }
  if (!wanted.empty()) Fail("the first row has no free effect column for the speed and tempo");
}

}  // namespace

Song ParseScore(const std::string& text) { return ScoreParser().Parse(text); }

}  // namespace composer
