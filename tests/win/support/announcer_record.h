#pragma once
// The stand-in cts4r.dll's record: one line per driver call, in call order.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace lumo::test {

struct AnnouncerCall {
  std::int64_t Ms = 0;                // monotonic milliseconds, comparable across processes
  std::string Name;                   // Cls, PrintText, SoundOut or DrawImage
  std::vector<std::int64_t> Numbers;  // the integer arguments, in order
  std::string Text;  // PrintText and SoundOut: the text; DrawImage: the path (bytes)
  // Without its time, for comparing sequences: "Cls 0", "PrintText 1 1 <text>",
  // "SoundOut <text>", "DrawImage 0 0 <path> null|l,t,r,b".
  std::string Summary;
  std::string CopyPath;  // DrawImage: the bitmap's copy beside the record
};
std::vector<std::string> Summaries(const std::vector<AnnouncerCall>& calls);

class AnnouncerRecord {
 public:
  explicit AnnouncerRecord(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // Every complete line recorded so far; none when the file does not exist.
  std::vector<AnnouncerCall> Calls() const;
  // Waits until at least count calls are recorded; what is there then, or at the timeout.
  std::vector<AnnouncerCall> WaitForCalls(
      std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
  // How many calls so far have this summary.
  int Count(const std::string& summary) const;

 private:
  std::string path_;
};

}  // namespace lumo::test
