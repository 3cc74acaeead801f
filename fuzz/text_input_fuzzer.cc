// Fuzzes the CR / CR LF line reader: lines read whole, lines read piece by piece and
// the raw rest of the file must all agree with a plain split of the same bytes, at
// every block size.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "runtime/run_error.h"
#include "runtime/text_input.h"

namespace quillon::fuzz {
namespace {

// Where the text goes on after its first `lines` lines and their terminators.
size_t OffsetAfterLines(std::string_view text, size_t lines) {
  size_t pos = 0;
  for (size_t i = 0; i < lines && pos < text.size(); ++i) {
    const size_t cr = text.find('\r', pos);
    if (cr == std::string_view::npos) return text.size();
    pos = cr + 1;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return pos;
}

// One line put together from ReadPiece, checking the pieces on the way.
std::string ReadByPieces(TextInput& input, size_t block) {
  std::string line;
  bool ended = false;
  do {
    const std::string_view piece = input.ReadPiece(&ended);
    Check(piece.size() <= block, "a piece is longer than a block");
    Check(ended || !piece.empty(), "an empty piece that does not end the line");
    line += piece;
  } while (!ended);
  return line;
}

void Run(const uint8_t* data, size_t size) {
  if (size < 2) return;
  const size_t block = 1 + data[0] % 64;
  const size_t lines_to_read = data[1] >> 1;
  const bool pieces_first = data[1] & 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string path = ScratchFolder::Get() / "input.txt";
  PutFile(path, text);

  const std::vector<std::string> expected = CrLines(text);
  TextInput input(path, block);
  size_t read = 0;
  for (; read < lines_to_read && read < expected.size(); ++read) {
    Check(!input.AtEnd(), "at the end before the last line");
    const bool by_pieces = (read % 2 == 0) == pieces_first;
    const std::string line = by_pieces ? ReadByPieces(input, block) : input.ReadLine();
    Check(line == expected[read], "a line differs from the plain split");
  }
  if (read == expected.size()) {
    Check(input.AtEnd(), "not at the end after the last line");
    bool ended = false;
    try {
      input.ReadPiece(&ended);
      Check(false, "reading past the end raised nothing");
    } catch (const RuntimeError& error) {
      Check(error.number() == kErrInputPastEnd, "reading past the end raised the wrong error");
    }
  }
  std::string rest;
  for (std::string_view bytes = input.ReadBytes(); !bytes.empty(); bytes = input.ReadBytes()) {
    Check(bytes.size() <= block, "raw bytes longer than a block");
    rest += bytes;
  }
  Check(rest == text.substr(OffsetAfterLines(text, read)), "the raw rest differs");
  Check(input.AtEnd(), "not at the end after the raw rest");
  input.Close();
}

}  // namespace
}  // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quillon::fuzz::Run(data, size);
  return 0;
}
