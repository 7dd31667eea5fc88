#pragma once
// A value of any kind as it crosses the KOVAN interface. An optional Variant
// parameter that the caller leaves out arrives in the Missing state.
#include <cstdint>
#include <string>

namespace pemo::kovan {

class Variant {
 public:
  enum class Type {
    Missing,  // an optional parameter left out (an error value: parameter not found)
    Empty,
    Null,
    Integer,  // 16-bit
    Long,     // 32-bit
    Single,
    Double,
    Currency,
    Date,     // days since 1899-12-30, time as the fraction
    String,
    Boolean,
    Byte,
    Error,
    Object,
  };

  Variant() = default;  // Empty
  Variant(int16_t value) : type_(Type::Integer), number_(value) {}
  Variant(int32_t value) : type_(Type::Long), number_(value) {}
  Variant(double value) : type_(Type::Double), number_(value) {}
  Variant(bool value) : type_(Type::Boolean), number_(value ? -1 : 0) {}
  Variant(uint8_t value) : type_(Type::Byte), number_(value) {}
  Variant(std::string value) : type_(Type::String), text_(std::move(value)) {}
  Variant(const char* value) : type_(Type::String), text_(value) {}

  static Variant missing() { return Variant(Type::Missing, 0); }
  static Variant null() { return Variant(Type::Null, 0); }
  static Variant single(float value) { return Variant(Type::Single, value); }
  static Variant currency(double value) { return Variant(Type::Currency, value); }
  static Variant date(double serial) { return Variant(Type::Date, serial); }
  static Variant error(int32_t code) { return Variant(Type::Error, code); }
  static Variant object() { return Variant(Type::Object, 0); }

  Type type() const { return type_; }
  bool isMissing() const { return type_ == Type::Missing; }
  bool isEmpty() const { return type_ == Type::Empty; }
  bool isNull() const { return type_ == Type::Null; }
  bool isString() const { return type_ == Type::String; }
  // Integer, Long, Single, Double, Currency, Date or Byte.
  bool isNumber() const;

  // The text of a String; "" for every other kind.
  const std::string& stringValue() const { return text_; }
  // The value of a number kind (Boolean: -1 or 0, String: 0, Error: its code).
  double numberValue() const { return number_; }

  // The value converted to text as the run-time library converts it: numbers in
  // general form, Boolean "True" / "False", a date as "yyyy/mm/dd" with the time
  // when it has one, Empty "". Null raises error 94; Missing, Error and Object
  // raise error 13.
  std::string toText() const;

  bool operator==(const Variant&) const = default;

 private:
  Variant(Type type, double number) : type_(type), number_(number) {}

  Type type_ = Type::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace pemo::kovan
