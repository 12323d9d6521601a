#include "cli/ProgressBar.h"

#include <algorithm>
#include <string>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace tolmeric::cli {

namespace {
constexpr auto kQuietPeriod = std::chrono::milliseconds(300);
constexpr int kBarWidth = 40;
}  // namespace

CProgressBar::CProgressBar(std::FILE* out)
    : out_(out), enabled_(isatty(fileno(out)) != 0), start_(std::chrono::steady_clock::now()) {}

CProgressBar::~CProgressBar() { Finish(); }

void CProgressBar::SetPosition(int32_t position) {
  if (!enabled_) return;
  if (!drawn_ && std::chrono::steady_clock::now() - start_ < kQuietPeriod) return;
  Draw(std::clamp(position, 0, 100));
}

void CProgressBar::Draw(int32_t position) {
  int filled = position * kBarWidth / 100;
  std::string bar = "\r[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') +
                    "] " + std::to_string(position) + "%";
  std::fputs(bar.c_str(), out_);
  std::fflush(out_);
  drawn_ = true;
}

void CProgressBar::Finish() {
  if (!drawn_) return;
  std::fputs(("\r" + std::string(kBarWidth + 8, ' ') + "\r").c_str(), out_);
  std::fflush(out_);
  drawn_ = false;
}

}  // namespace tolmeric::cli
