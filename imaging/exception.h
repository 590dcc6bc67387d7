#pragma once
// Base of every error the program raises: the message text is what the user sees in the
// standard error box, so it is kept exactly as given.
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// A file that cannot be opened or created, and a stream that cannot deliver what was asked.
class EFOpenError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public Exception {
  using Exception::Exception;
};
class EReadError : public Exception {
  using Exception::Exception;
};
class EOutOfMemory : public Exception {
  using Exception::Exception;
};
// A picture that cannot be copied into another kind of picture.
class EConvertError : public Exception {
  using Exception::Exception;
};
// An operation a picture cannot do, and a picture file that cannot be read.
class EInvalidGraphicOperation : public Exception {
  using Exception::Exception;
};
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
