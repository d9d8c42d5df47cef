#pragma once

#include <exception>
#include <string>

// The exception family that every command handler catches: a message text and a few subclasses
// that callers tell apart (conversion errors, floating-point faults, file errors).
class Exception : public std::exception
{
  public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char *what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

class EConvertError : public Exception
{
  public:
    using Exception::Exception;
};

class EMathError : public Exception
{
  public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError
{
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError
{
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError
{
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EInOutError : public Exception
{
  public:
    using Exception::Exception;
};
