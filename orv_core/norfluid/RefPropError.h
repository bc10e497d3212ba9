// Exceptions of the refrigerant bridge: a code and a message, the message being what
// `what` returns. Code 0: the property library cannot be used; code 4: any other error.
#pragma once

#include <exception>
#include <string>

enum ErrCode : int { eLibraryUnusable = 0, eBridgeError = 4 };

class RefPropBaseError : public std::exception {
public:
  RefPropBaseError(const std::string& message, ErrCode code) : message_(message), code_(code) {}
  virtual ~RefPropBaseError() noexcept {}
  virtual const char* what() const noexcept { return message_.c_str(); }
  ErrCode code() const { return code_; }

private:
  std::string message_;
  ErrCode code_;
};

template <ErrCode errorCode>
class RefPropError : public RefPropBaseError {
public:
  explicit RefPropError(const std::string& message) : RefPropBaseError(message, errorCode) {}
};

typedef RefPropError<eLibraryUnusable> RefPropUnusableError;
typedef RefPropError<eBridgeError> RefPropBridgeError;
