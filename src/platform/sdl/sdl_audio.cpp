// SDL_mixer output: sound instances as mixer channels and the MIDI music
// device.
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <fstream>

#include "media/music.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

// The output rate, and the rate the build renders the music at (so the
// renderings play without resampling): 32 kHz holds everything the General
// MIDI soundfont plays (the renderings keep under -40 dB of their energy
// above 16 kHz) and costs the audio thread a quarter less than 44.1 kHz.
constexpr int kOutputRate = 32000;

// Debian's General MIDI soundfonts, in order of preference.
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

}  // namespace

std::string RenderingOf(const std::string& midiPath) {
  namespace fs = std::filesystem;
  const fs::path mid(midiPath);
  if (mid.extension() != ".mid") return "";
  fs::path ogg = mid;
  ogg.replace_extension(".ogg");
  std::error_code e1, e2, e3;
  const auto midTime = fs::last_write_time(mid, e1), oggTime = fs::last_write_time(ogg, e2);
  if (e1 || e2 || oggTime < midTime) return "";
  // SDL_mixer opens it with a blocking open: a pipe in its place would hang.
  if (!fs::is_regular_file(ogg, e3)) return "";
  return ogg.string();
}

std::vector<uint8_t> BuildWaveFile(const TWaveFormat& format, const std::vector<uint8_t>& data) {
  uint32_t blockAlign = static_cast<uint32_t>(format.Channels * (format.Bits / 8));
  std::vector<uint8_t> out;
  out.reserve(44 + data.size() + 1);
  PutTag(out, "RIFF");
  Put32(out, static_cast<uint32_t>(36 + data.size() + (data.size() & 1)));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, static_cast<uint32_t>(format.Channels));
  Put32(out, static_cast<uint32_t>(format.Rate));
  Put32(out, static_cast<uint32_t>(format.Rate) * blockAlign);
  Put16(out, blockAlign);
  Put16(out, static_cast<uint32_t>(format.Bits));
  PutTag(out, "data");
  Put32(out, static_cast<uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() & 1) out.push_back(0);  // chunks are padded to even length
  return out;
}

SdlAudio::~SdlAudio() {
  if (open_) {
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
  }
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::Open() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystem_ = true;
  // Ogg Vorbis for the rendered music; the MIDI synthesiser is loaded only
  // when a MIDI file is played (a piece without rendering, a player's own).
  Mix_Init(MIX_INIT_OGG);
  for (const char* font : kSoundFonts) {
    if (std::ifstream(font).good()) {
      Mix_SetSoundFonts(font);
      break;
    }
  }
  // Floating point mixing (SDL converts to what the output takes), with
  // the rate and channel count left to the output.
  if (Mix_OpenAudioDevice(kOutputRate, AUDIO_F32SYS, 2, 2048, nullptr,
                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) !=
      0) {
    Mix_Quit();
    return false;
  }
  int rate = kOutputRate, channels = 2;
  Uint16 format = AUDIO_F32SYS;
  Mix_QuerySpec(&rate, &format, &channels);
  channels_ = channels;
  limiter_ = TLimiter(TLimiter().Ceiling(), rate);
  if (format == AUDIO_F32SYS) Mix_SetPostMix(&SdlAudio::PostMix, this);
  open_ = true;
  return true;
}

void SdlAudio::PostMix(void* self, uint8_t* stream, int len) {
  auto* audio = static_cast<SdlAudio*>(self);
  const int frames = len / static_cast<int>(sizeof(float)) / audio->channels_;
  audio->limiter_.Process(reinterpret_cast<float*>(stream), frames, audio->channels_);
}

void SdlAudio::SetMusicVolume(int volume) {
  if (open_) Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 100);
}

void SdlAudio::SetEffectsVolume(int volume) {
  if (open_) Mix_MasterVolume(volume * MIX_MAX_VOLUME / 100);
}

SdlSoundDevice::~SdlSoundDevice() {
  if (audio_.IsOpen())
    for (size_t i = 0; i < chunks_.size(); ++i) Mix_HaltChannel(static_cast<int>(i));
  for (const TLoaded& l : loaded_)
    if (l.Chunk) Mix_FreeChunk(l.Chunk);
}

Mix_Chunk* SdlSoundDevice::ChunkOf(const TWaveFormat& format, const std::vector<uint8_t>& data) {
  for (const TLoaded& l : loaded_)
    if (l.Format.Channels == format.Channels && l.Format.Rate == format.Rate &&
        l.Format.Bits == format.Bits && l.Data == data)
      return l.Chunk;
  std::vector<uint8_t> wave = BuildWaveFile(format, data);
  // The mixer converts the sound to the output format into its own buffer.
  Mix_Chunk* chunk =
      Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
  loaded_.push_back(TLoaded{format, data, chunk});
  return chunk;
}

int SdlSoundDevice::NewInstance(const TWaveFormat& format, const std::vector<uint8_t>& data) {
  chunks_.push_back(audio_.IsOpen() ? ChunkOf(format, data) : nullptr);
  int count = static_cast<int>(chunks_.size());
  if (audio_.IsOpen() && Mix_AllocateChannels(-1) < count) Mix_AllocateChannels(count);
  return count - 1;
}

void SdlSoundDevice::Restart(int instance) {
  if (!audio_.IsOpen() || instance < 0 || instance >= static_cast<int>(chunks_.size())) return;
  if (!chunks_[instance]) return;
  Mix_HaltChannel(instance);
  Mix_PlayChannel(instance, chunks_[instance], 0);
}

bool SdlSoundDevice::Sounding(int instance) const {
  if (!audio_.IsOpen() || instance < 0 || instance >= static_cast<int>(chunks_.size()))
    return false;
  return Mix_Playing(instance) != 0;
}

SdlMusicDevice::~SdlMusicDevice() {
  Close();
}

bool SdlMusicDevice::Open(const std::string& path, std::string& error) {
  Close();
  double length = 0;
  if (!ReadMidiFileLength(path, length, error)) return false;
  // A rendering of the piece made at build time plays instead of the live
  // synthesis when it is there and not older than the MIDI file; the length
  // (and so the loop point) still comes from the MIDI file.
  const std::string rendering = RenderingOf(path);
  if (!rendering.empty()) music_ = Mix_LoadMUS(rendering.c_str());
  if (!music_) music_ = Mix_LoadMUS(path.c_str());
  if (!music_) {
    error = path + ": " + Mix_GetError();
    return false;
  }
  lengthMs_ = length;
  return true;
}

void SdlMusicDevice::Close() {
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  started_ = false;
  lengthMs_ = 0;
  timer_.Reset();
}

void SdlMusicDevice::Play() {
  if (!music_ || timer_.Running()) return;
  if (started_) {
    Mix_ResumeMusic();
  } else if (Mix_PlayMusic(music_, 1) != 0) {
    return;
  }
  started_ = true;
  timer_.Start(SDL_GetTicks());
}

void SdlMusicDevice::Pause() {
  if (!timer_.Running()) return;
  Mix_PauseMusic();
  timer_.Pause(SDL_GetTicks());
}

void SdlMusicDevice::Resume() {
  Play();
}

void SdlMusicDevice::Rewind() {
  // Halting and starting anew is the one rewind every music format honours,
  // and it also cuts off a release tail still sounding.
  if (music_ && started_) Mix_HaltMusic();
  started_ = false;
  timer_.Reset();
}

double SdlMusicDevice::PlayedMs() const {
  return timer_.PlayedMs(SDL_GetTicks());
}
