#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/ui/element_array.h"

using pemo::ui::ElementArray;

TEST(ElementArray, LoadsCopiesOfTheTemplateByIndexAndLeavesHoles) {
  ElementArray<std::string> names("template");
  EXPECT_EQ(names.upperBound(), 0);
  EXPECT_EQ(names.count(), 0);
  EXPECT_FALSE(names.isLoaded(0)) << "the template is never an element";
  EXPECT_THROW(names.load(0), std::out_of_range);
  EXPECT_THROW(names.at(1), std::out_of_range);

  names.load(3) = "third";
  EXPECT_EQ(names.upperBound(), 3);
  EXPECT_EQ(names.count(), 1);
  EXPECT_EQ(names.find(2), nullptr);
  EXPECT_EQ(names.find(-1), nullptr);
  EXPECT_EQ(names.load(3), "third") << "loading again leaves the element as it is";
  EXPECT_EQ(names.load(1), "template");
  EXPECT_EQ(names.firstFreeIndex(), 2);

  names.unload(1);
  EXPECT_EQ(names.upperBound(), 3) << "a hole below the top keeps the bound";
  names.unload(3);
  EXPECT_EQ(names.upperBound(), 0) << "holes at the end go with the top element";
  EXPECT_EQ(names.firstFreeIndex(), 1);
  EXPECT_EQ(names.templ(), "template");
}

TEST(ElementArray, ElementsMayBeBuiltApartFromTheTemplateAndWalkedInOrder) {
  ElementArray<std::unique_ptr<int>> numbers(nullptr);
  for (int i : {5, 2, 7}) numbers.load(i, [i] { return std::make_unique<int>(i * 10); });
  numbers.unload(7);
  std::string walked;
  numbers.forEachLoaded([&](int index, const std::unique_ptr<int>& n) {
    walked += std::to_string(index) + ":" + std::to_string(*n) + " ";
  });
  EXPECT_EQ(walked, "2:20 5:50 ");
  numbers.unloadAll();
  EXPECT_EQ(numbers.upperBound(), 0);
  EXPECT_EQ(numbers.count(), 0);
}
