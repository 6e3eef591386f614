// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/help_text.h"

namespace tavrel {

// One paragraph to a line; the viewer does the wrapping. Paragraphs under a
// title start with a tab, and each stays one literal of the source.
// clang-format off
const std::array<std::string_view, kHelpLineCount> kHelpLines = {
    "** You are now running the patched version of 6.2. **",
    "Thanks for using Tavrel version 6.2!",
    "",
    "This is just a very simply Getting Started Help file that will aid you in familiarizing with the interface and also to introduce you to some of the features offered by Tavrel. For more information, you may want to consult the Online Help instead (the second command button on the right) which offers a more detailed walk-through with pictures. To find out about the other applications I have created, kindly click on the first command button. :)",
    "",
    "1. Before you start",
    "\tNothing much to prepare for Tavrel. ;)",
    "",
    "2. Features of Tavrel",
    "\tTavrel is designed to be very simple to use and more importantly a clean interface such that the more important features can be reached easily. To start off, Tavrel offers a total of 4 different modes - namely Find Factors, Find Multiples, Find GCD/HCF and Square Roots.",
    "\tTavrel uses a listbox to display the any input/output. To copy a selected entry in the listbox, click List > Copy selected entry or alternatively press Ctrl + E on your keyboard. To delete a selected entry, click List > Delete selected entry or press Ctrl + D on your keyboard. To clear the whole list at one go, just click List > Clear list or press Ctrl + L.",
    "\tThere are two ways of outputting the results from Tavrel, that is to either save it to a textfile or to print it out, both commands available from the menu toolbar (which reads Save and Print respectively). The Save command saves the whole list into a textfile.",
    "\tThere are also two optons for Tavrel, both of which are available under the menu command Settings. The first one, Define Ranges, lets you set a range for the number of multiples or factors to generate. The second one, Multiples, lets you specify the total number of multiples you want and the multiplier ratio.",
    "\tLastly, to exit, please take note the Tavrel lets you use the Ctrl + T shortcut but not Alt + F4. To minimize, you can go to Window > Minimize or press Ctrl + M on your keyboard.",
    "",
    "3. Find Factors mode",
    "\tThe Find Factors mode can be activated by pressing F2. To start, simply enter a number less than 2147483648 (that is <= 2147483647) and press either Enter on your keyboard or click on the OK command button. Tavrel will generate all the factors, a count of the total number of factors and also determine if it's a prime number, an odd or even number and a palindrome number. A palindrome is a number that reads the same in either directions, e.g. 3443. For Tavrel, it does not consider the length of the number for determination of palindrome numbers. In other words, even a single-digit number like 7 is taken to be a palindrome number.",
    "\tYou can also specify the range in which to display the factors. To do so, go to Settings > Define Ranges to set.",
    "",
    "4. Find Multiples mode",
    "\tThe Find Multiples mode can be activated by pressing F3. To start, simply enter any number less than 2147483648 and press either Enter on your keyboard or click on the OK command button. Tavrel will generate 1000 multiples (1x, 2x etc.) of that number by default. To change the the number of multiples to show or the multiplier ratio, go to Settings > Multiples to change.",
    "",
    "5. Find GCD/HCF mode",
    "\tThe Find GCD/HCF mode can be activated by pressing F4. In Tavrel, you are not restricted to solely two numbers - you can do it for three, ten or even more numbers. Enter the numbers and press Enter on your keyboard. To start, click on the OK command button. The result will be displayed in the textbox. As usual, the limit of the number that can be tested is less than 2147483648.",
    "",
    "6. Square Roots mode",
    "\tThe Square Roots mode can be activated by pressing F6. Basically, this lets you re-express square roots in terms of whole numbers and surds. E.g.: square root of 567 is 9 times square root of 7. To start, simply enter the name (less than 2147483648) and press Enter on your keyboard or click on the OK command button. The result is displayed in the list.",
};
// clang-format on

std::string helpText()
{
    std::string text;
    text.reserve(kHelpTextSize);
    for (std::string_view line : kHelpLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace tavrel
