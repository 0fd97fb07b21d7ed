// Plays a long scripted session through the game routine and through the real binary, and
// compares the binary with cat writing the same output: wall time and peak memory.
// Usage: quillmarrow_bench PATH_TO_QUILLMARROW [ANSWERS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "core/console.h"
#include "core/random.h"
#include "support/scripted_io.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 7;
constexpr double kWallTimeGoal = 1.5;      // the binary against cat
constexpr long kPeakMemoryGoalKiB = 4096;  // the binary's peak resident memory

// Creation (any draws will do), then "wait 0 hours" over and over: each answer is followed by a
// status report and the hub menu.
std::string makeSession(long answers) {
  std::string session = "\nC M\nM\nR\n\n\n\n\nRoll\nI\n\nK\n\nY\n\n\n\n\n\n\n";
  for (long answer = 0; answer < answers / 2; ++answer)
    session += "W\n0\n";
  return session;
}

class CountedOutput final : public qm::OutputSink {
 public:
  void write(std::string_view bytes) override { count += bytes.size(); }
  std::size_t count = 0;
};

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double timeGameRoutine(const std::string& session) {
  std::vector<double> times;
  for (int repeat = 0; repeat < kRepeats; ++repeat) {
    qm::testing::ScriptedInput input(session);
    CountedOutput output;
    qm::CLibraryRandom random;
    qm::testing::RecordingPlatform platform;
    qm::Console console(input, output);
    const Clock::time_point start = Clock::now();
    qm::runGame(console, random, platform);
    times.push_back(secondsSince(start));
  }
  return median(times);
}

struct Run {
  double seconds = 0;
  long peakKiB = 0;
  std::string output;
};

// The peak resident memory of a running process so far, in KiB (0 once it has gone).
long peakResidentKiB(pid_t process) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  std::string field;
  long kib = 0;
  while (status >> field) {
    if (field == "VmHWM:" && status >> kib) return kib;
  }
  return 0;
}

// Runs `argv` with standard input from `inputFile` and drains its standard output from a pipe,
// as a reader of the game would. Keeps the output, or watches the peak memory, when asked to:
// both slow the reader down, so the timed runs do neither.
Run runProgram(const std::vector<std::string>& argv, const std::string& inputFile,
               bool keepOutput = false, bool watchMemory = false) {
  std::array<int, 2> pipeEnds{};
  if (::pipe(pipeEnds.data()) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputFile.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<char*> arguments;
  for (const std::string& argument : argv)
    arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);

  Run run;
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, arguments[0], &actions, nullptr, arguments.data(), environ) != 0) {
    std::perror(arguments[0]);
    std::exit(2);
  }
  ::close(pipeEnds[1]);
  std::array<char, 1 << 16> buffer{};
  ssize_t got = 0;
  while ((got = ::read(pipeEnds[0], buffer.data(), buffer.size())) > 0) {
    if (keepOutput) run.output.append(buffer.data(), static_cast<std::size_t>(got));
    if (watchMemory) run.peakKiB = std::max(run.peakKiB, peakResidentKiB(child));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  run.seconds = secondsSince(start);
  ::close(pipeEnds[0]);
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

struct Figures {
  long answers = 0;
  std::size_t outputBytes = 0;
  long statusReports = 0;
  double routineSeconds = 0;
  double gameSeconds = 0;
  double catSeconds = 0;
  long peakKiB = 0;
};

long occurrences(std::string_view text, std::string_view needle) {
  long count = 0;
  for (std::size_t at = text.find(needle); at != std::string_view::npos;
       at = text.find(needle, at + needle.size()))
    ++count;
  return count;
}

// Everything is measured in a scratch directory holding the session and the game's output.
Figures measure(const std::string& game, const std::string& session) {
  std::string directoryName =
      (std::filesystem::temp_directory_path() / "quillmarrow-bench-XXXXXX").string();
  if (::mkdtemp(directoryName.data()) == nullptr) std::exit(2);
  const std::filesystem::path directory = directoryName;
  const std::string sessionFile = directory / "session.txt";
  const std::string outputFile = directory / "output.txt";
  writeFile(sessionFile, session);
  const std::string output = runProgram({game}, sessionFile, true).output;
  writeFile(outputFile, output);

  Figures figures;
  figures.answers = std::count(session.begin(), session.end(), '\n');
  figures.outputBytes = output.size();
  figures.statusReports = occurrences(output, "How many hours?\n");
  figures.peakKiB = runProgram({game}, sessionFile, false, true).peakKiB;
  std::vector<double> gameTimes, catTimes;
  for (int repeat = 0; repeat < kRepeats; ++repeat) {
    gameTimes.push_back(runProgram({game}, sessionFile).seconds);
    catTimes.push_back(runProgram({"cat", outputFile}, sessionFile).seconds);
  }
  figures.gameSeconds = median(gameTimes);
  figures.catSeconds = median(catTimes);
  figures.routineSeconds = timeGameRoutine(session);
  std::filesystem::remove_all(directory);
  return figures;
}

// Prints the figures; true when the binary meets the goals on a session played as planned.
bool report(const Figures& figures, long waits) {
  const double ratio = figures.gameSeconds / figures.catSeconds;
  std::printf("session       %ld answers, %zu bytes of output\n", figures.answers,
              figures.outputBytes);
  std::printf("game routine  %.3f s, %.0f answers/s\n", figures.routineSeconds,
              figures.answers / figures.routineSeconds);
  std::printf("binary        %.3f s, %.0f answers/s, peak memory %ld KiB\n", figures.gameSeconds,
              figures.answers / figures.gameSeconds, figures.peakKiB);
  std::printf("cat           %.3f s\n", figures.catSeconds);
  std::printf("binary / cat  %.2f (goal %.1f or less)\n", ratio, kWallTimeGoal);
  if (figures.statusReports != waits) {
    std::printf("the session went astray: %ld waits of %ld\n", figures.statusReports, waits);
    return false;
  }
  const bool met = ratio <= kWallTimeGoal && figures.peakKiB < kPeakMemoryGoalKiB;
  std::printf("%s\n", met ? "goals met" : "goals missed");
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quillmarrow_bench PATH_TO_QUILLMARROW [ANSWERS]\n");
    return 2;
  }
  const std::string game = std::filesystem::absolute(argv[1]).string();
  const long answers = argc > 2 ? std::atol(argv[2]) : 200000;
  return report(measure(game, makeSession(answers)), answers / 2) ? 0 : 1;
}
