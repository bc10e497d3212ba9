#include "CBootLoader.h"

#include <cstring>

#include "RxTxThread.h"
#include "orvPlatform.h"

namespace {
void putLe32(uint8_t* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(v >> (8 * i));
}
}  // namespace

CBootLoader::CBootLoader(std::unique_ptr<CComPort> port)
    : txFrame_(),
      txLength_(0),
      sendsLeft_(0),
      noResponse_(false),
      txState_(0),
      lastCommand_(0),
      sendsAllowed_(0),
      retryDelayMs_(0),
      restartFromFirstRecord_(true),
      nextRetryTimeMs_(0),
      cmdBody_(),
      owner_(nullptr),
      port_(port ? std::move(port) : std::make_unique<CComPort>()),
      closing_(false),
      busy_(false),
      idleSinceMs_(0) {}

CBootLoader::~CBootLoader() {
  if (thread_) thread_->stopRxTxThread();
  JoinThread();
  ClosePort();
}

int CBootLoader::buildProgramPayload(size_t* bodyLength) {
  size_t n = *bodyLength;
  int records = 0;
  // Records go in while the frame still fits with every byte escaped.
  while (records < kMaxRecordsPerFrame) {
    unsigned next = hex_.NextHexRecordLength();
    if (next == 0 || bootframe::maxEncodedSize(n + next) > kFrameSize) break;
    n += static_cast<size_t>(hex_.GetNextHexRecord(cmdBody_ + n, next));
    ++records;
  }
  *bodyLength = n;
  return records;
}

int CBootLoader::SendCommand(uint8_t command, unsigned short sends, unsigned short delayMs) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  txLength_ = 0;
  lastCommand_ = command;
  if (command < 1 || command > 7) return 0;
  size_t n = 0;
  cmdBody_[n++] = command;
  if (command == 3) {
    if (restartFromFirstRecord_ && !hex_.ResetHexFilePointer()) return 0;
    if (buildProgramPayload(&n) == 0) return 0;
  } else if (command == 4) {
    unsigned start = 0, length = 0;
    unsigned short crc = 0;
    if (!hex_.VerifyFlash(&start, &length, &crc)) return 0;
    putLe32(cmdBody_ + n, start);
    putLe32(cmdBody_ + n + 4, length);
    cmdBody_[n + 8] = static_cast<uint8_t>(crc & 0xFF);
    cmdBody_[n + 9] = static_cast<uint8_t>(crc >> 8);
    n += 10;
  }
  sendsAllowed_ = sendsLeft_ = sends;
  retryDelayMs_ = delayMs;
  txState_ = 0;
  noResponse_ = false;
  txLength_ = static_cast<uint16_t>(bootframe::encode(cmdBody_, n, txFrame_));
  busy_ = sends > 0;
  return 1;
}

int CBootLoader::OpenPort(unsigned baud) { return port_->OpenComPort(kBootloaderPort, baud); }

void CBootLoader::ClosePort() {
  if (port_->GetComPortOpenStatus()) port_->CloseComPort();
}

bool CBootLoader::GetPortOpenStatus() const { return port_->GetComPortOpenStatus(); }

uint16_t CBootLoader::WritePort(const uint8_t* data, int length) {
  port_->SetDriverEnable(1);
  int written = port_->SendComPort(data, length);
  port_->SetDriverEnable(0);
  return static_cast<uint16_t>(written < 0 ? 0 : written);
}

int CBootLoader::LoadHexFile(const char* path) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  return hex_.LoadHexFile(path);
}

unsigned short CBootLoader::CalculateFlashCRC() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  unsigned start = 0, length = 0;
  unsigned short crc = 0;
  hex_.VerifyFlash(&start, &length, &crc);
  return crc;
}

void CBootLoader::GetProgress(int* done, int* total) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (lastCommand_ == 3) {
    *done = hex_.RecordsRead();
    *total = hex_.LineCount();
  } else {
    *done = sendsAllowed_ - sendsLeft_;
    *total = sendsAllowed_;
  }
}

void CBootLoader::CreateRxTxThread(CBootLoaderReceiver* owner) {
  owner_ = owner;
  if (thread_ && thread_->getThreadRunning()) return;
  JoinThread();
  retryClock_.stop();
  idleSinceMs_ = orv::monotonicMs();
  thread_ = std::make_unique<RxTxThread>(this);
  thread_->startRxTxThread();
}

void CBootLoader::ShutdownThread() {
  if (!thread_) return;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (txLength_ != 0) {
      // The last pass sends what is armed (the leave command) but hands no reply on:
      // the sequence is closing.
      closing_ = true;
      TransmitTask();
      ReceiveTask();
      closing_ = false;
    }
    thread_->stopRxTxThread();
    retryClock_.stop();
    busy_ = false;
  }
  if (!thread_->isCurrentThread()) JoinThread();
}

void CBootLoader::JoinThread() {
  if (!thread_ || thread_->isCurrentThread()) return;
  thread_->stopRxTxThread();
  thread_->join();
  thread_.reset();
}

int64_t CBootLoader::IdleForMs() const {
  if (busy_ || !thread_ || !thread_->getThreadRunning()) return 0;
  return orv::monotonicMs() - idleSinceMs_;
}

void CBootLoader::noteActivity() {
  bool busy = txState_ != 0 || sendsLeft_ > 0;
  if (busy_ && !busy) idleSinceMs_ = orv::monotonicMs();
  busy_ = busy;
}

void CBootLoader::rxtxTask() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  TransmitTask();
  ReceiveTask();
  noteActivity();
}

void CBootLoader::TransmitTask() {
  int now = retryClock_.elapsed();
  if (txState_ == 0) {
    if (sendsLeft_ == 0) return;
    WritePort(txFrame_, txLength_);
    --sendsLeft_;
    txState_ = 1;
    nextRetryTimeMs_ = now + retryDelayMs_;
  } else if (now >= nextRetryTimeMs_) {
    if (sendsLeft_ > 0) {
      WritePort(txFrame_, txLength_);
      --sendsLeft_;
      nextRetryTimeMs_ = now + retryDelayMs_;
    } else {
      noResponse_ = true;
      txState_ = 0;
    }
  }
}

void CBootLoader::ReceiveTask() {
  uint8_t chunk[kReadChunk];
  int count = port_->ReadComPort(chunk, kReadChunk);
  if (rx_.feed(chunk, count > 0 ? static_cast<size_t>(count) : 0)) {
    uint8_t command = rx_.body()[0];
    size_t length = rx_.payloadLength();
    uint8_t payload[bootframe::Receiver::kBodySize];
    std::memcpy(payload, rx_.payload(), length);
    rx_.release();
    // Only replies the sequence knows end the outstanding sends: any other frame is
    // dropped so that the retries go on, and so are boot-information and CRC replies
    // too short to hold their values.
    bool known = (command == 1 && length >= 3) || command == 2 || command == 3 ||
                 (command == 4 && length >= 2);
    if (!known || closing_) return;
    txState_ = 0;
    sendsLeft_ = 0;
    noResponse_ = false;
    HandleResponse(command, payload, length);
  } else if (noResponse_) {
    noResponse_ = false;
    if (!closing_) HandleNoResponse();
  }
}

void CBootLoader::HandleResponse(uint8_t command, const uint8_t* payload, size_t length) {
  if (command != 3) {
    owner_->OnReceiveResponse(command, payload, length);
    return;
  }
  // A program frame was acknowledged: the next frame continues behind it; when no
  // record is left, programming is done.
  restartFromFirstRecord_ = false;
  int built = SendCommand(3, sendsAllowed_, retryDelayMs_);
  restartFromFirstRecord_ = true;
  if (!built) owner_->OnReceiveResponse(3, nullptr, 0);
}

void CBootLoader::HandleNoResponse() {
  if (lastCommand_ >= 1 && lastCommand_ <= 4) owner_->OnTransmitFailure(lastCommand_);
}
