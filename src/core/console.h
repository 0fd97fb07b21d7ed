#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace qm {

// Where the console's input bytes come from (standard input, or a script in the tests).
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Reads at most `size` bytes, waiting until at least one is there; 0 means end of input.
  virtual std::size_t readSome(char* buffer, std::size_t size) = 0;
};

// Where the console's output bytes go (standard output, or a capture in the tests).
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void write(std::string_view bytes) = 0;
};

// Thrown by every read once the input has ended: the game routine catches it and leaves quietly.
struct InputClosed {};

// Thrown by a sink whose output cannot be written: the game routine ends at once with a failure
// status, since nobody can see the game any more.
struct OutputFailed {};

// How a question treats an answer it does not accept.
enum class Refusal {
  Silent,    // reads again without a word (ask-until-valid)
  Reprompt,  // shows the question again before the next read
};

// Told of each lettered question just before its first answer is read: the capitals or digits
// it accepts (in either case) and how it refuses the rest. The game itself attaches none; the
// tests attach one that plays the game and checks every question it meets.
class QuestionObserver {
 public:
  virtual ~QuestionObserver() = default;
  virtual void asking(std::string_view letters, Refusal refusal) = 0;
};

// The only way text goes in or out of the game.
//
// Output is gathered in one buffer and handed to the sink only when the game must wait for the
// player, that is when the input buffer holds no complete line and more must be read, and at the
// end. A player at a terminal sees every prompt before the game waits, while answers typed or
// piped ahead cost no write at all. Input is taken a line at a time: a question takes
// the next word of the current line, and words left on a line answer the questions after it.
// Spaces, tabs and carriage returns separate words. A line longer than kMaxLineLength keeps its
// first kMaxLineLength bytes, less the first bytes of a UTF-8 character cut through; the rest up
// to the end of line is read and dropped, so memory stays bounded whatever is piped in.
class Console {
 public:
  static constexpr std::size_t kMaxLineLength = 4096;
  static constexpr std::string_view kPausePrompt = "Press Enter to continue . . . ";
  // What separates the words of a line (besides the line's end).
  static constexpr std::string_view kWordSeparators = " \t\r\v\f";

  // Whether `text` can be one word of the input: not empty, at most a line long, and with no
  // separator or line end in it.
  static bool isWord(std::string_view text);

  // Whether `text` shows on a screen as the characters it holds: no control character in it, none
  // of C0 and DEL, and no C1 either as a UTF-8 character or as a byte that a terminal of eight-bit
  // characters would take for one. So nothing a player types, or a kept run carries, can move the
  // cursor, retitle the window or recolour the screen it is printed on.
  static bool showsAsText(std::string_view text);

  Console(InputSource& input, OutputSink& output);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Writes the pieces (texts and whole numbers) and ends the line.
  template <typename... Pieces>
  void line(const Pieces&... pieces) {
    (append(pieces), ...);
    append("\n");
  }
  // Writes the pieces without ending the line; the next output continues it.
  template <typename... Pieces>
  void print(const Pieces&... pieces) {
    (append(pieces), ...);
  }
  // Writes terminal control bytes that are not part of the game's text.
  void control(std::string_view bytes);

  // Marks the lines between the two calls as one picture that `shows` what it says, for a sink
  // that shows pictures as pictures (a web page, which asks for the marks). Elsewhere the marks
  // write nothing at all.
  static constexpr char kPictureStart = '\x0E';  // then what it shows and an end of line
  static constexpr char kPictureEnd = '\x0F';
  void markPictures() { marksPictures_ = true; }
  void beginPicture(std::string_view shows) {
    if (!marksPictures_) return;
    gather(std::string_view(&kPictureStart, 1));
    gather(shows);
    gather("\n");
  }
  void endPicture() {
    if (marksPictures_) gather(std::string_view(&kPictureEnd, 1));
  }

  // Announces a lettered question to the observer, if one is attached.
  void asking(std::string_view letters, Refusal refusal) {
    if (observer_) observer_->asking(letters, refusal);
  }
  void observeQuestions(QuestionObserver* observer) { observer_ = observer; }

  // The next answer word. Throws InputClosed at the end of input.
  std::string readWord();
  // The next word as a whole decimal number within the range of int (an optional minus sign and
  // digits, nothing else); any other word is consumed and gives no number.
  std::optional<int> readNumber();

  // The narration pause: ends the open line (or writes an empty one), shows the prompt, waits for
  // the player to press Enter and ends the prompt's line. Words typed ahead on the current line
  // are kept for the questions after it.
  void pause();
  // The prompt and the wait alone, with no line ended before it.
  void barePause();

  // Ends the current output line if anything stands on it.
  void endOpenLine();
  // Hands the gathered output to the sink; an OutputFailed from the sink passes through, and
  // the output it could not take is dropped.
  void flush();

 private:
  static constexpr std::size_t kOutputBufferSize = 1 << 16;

  // Game text: gathered in the output buffer, which is handed over whenever it is full. Inline,
  // since every piece of every line passes through here.
  void append(std::string_view text) {
    if (text.empty()) return;
    lineOpen_ = text.back() != '\n';
    gather(text);
  }
  // Any bytes, game text or terminal control.
  void gather(std::string_view bytes) {
    if (bytes.size() > pending_.size() - pendingSize_) makeRoomFor(bytes);
    std::memcpy(pending_.data() + pendingSize_, bytes.data(), bytes.size());
    pendingSize_ += bytes.size();
  }
  void makeRoomFor(std::string_view& bytes);
  void append(const char* text) { append(std::string_view(text)); }
  void append(const std::string& text) { append(std::string_view(text)); }
  template <typename Number>
  requires std::is_integral_v<Number>
  void append(Number value) {
    std::array<char, 24> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    (void)error;
    append(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
  }

  // Reads the next input line into `line`; false at the end of input.
  bool readLine(std::string& line);
  // Hands the output over, then refills the input buffer; false at the end of input.
  bool refill();

  InputSource& input_;
  OutputSink& output_;
  QuestionObserver* observer_ = nullptr;
  bool marksPictures_ = false;
  std::array<char, kOutputBufferSize> pending_{};  // output not yet handed to the sink
  std::size_t pendingSize_ = 0;
  bool lineOpen_ = false;

  std::array<char, 1 << 16> inputBuffer_{};
  std::size_t inputStart_ = 0;
  std::size_t inputEnd_ = 0;
  bool inputEnded_ = false;

  std::string currentLine_;  // the line the questions are answered from
  std::size_t wordPosition_ = 0;
  std::string pauseLine_;  // scratch for the line a pause swallows
};

}  // namespace qm
