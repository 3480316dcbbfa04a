#include "setup/LicenseText.h"

namespace vx::setup {

const std::string& LicenseText()
{
    static const std::string text =
        "VELOCITREX LICENCE AGREEMENT AND DISCLAIMER\r\n"
        "\r\n"
        "Please read this agreement before you install Velocitrex. By clicking \"I Agree\" you accept it. If you "
        "do not accept it, click \"Cancel\" and nothing will be installed.\r\n"
        "\r\n"
        "1. Licence. Quorvex grants you the right to install Velocitrex on one computer and to use it there. This "
        "copy is shareware: you may try it free of charge for the trial period it states, after which you must "
        "register it or remove it.\r\n"
        "\r\n"
        "2. Copies. You may give unchanged copies of the complete distribution package to others, free of charge, "
        "provided that every file, including this agreement, stays as it is. You may not sell it, rent it, or "
        "include it with another product without written permission from Quorvex.\r\n"
        "\r\n"
        "3. Restrictions. You may not change, translate, disassemble or decompile the program, remove its notices, "
        "or pass on a registration key.\r\n"
        "\r\n"
        "4. Your settings. Velocitrex changes network settings of Windows in its registry. It keeps a record of "
        "every original value so that each change can be undone from the program. Keep a backup of your system "
        "and of your data in any case.\r\n"
        "\r\n"
        "5. Disclaimer. The program is provided \"as is\", without any warranty, express or implied, including "
        "warranties of fitness for a particular purpose. Results depend on your connection, your provider and "
        "your computer; no gain in speed is promised.\r\n"
        "\r\n"
        "6. Limitation of liability. In no event shall Quorvex or its distributors be liable for any loss of data, "
        "profit or time, or for any other damage arising from the use of, or inability to use, this program, even "
        "if advised of the possibility of such damage.\r\n"
        "\r\n"
        "7. Ending. This licence ends when you fail to keep its terms; you must then remove the program.\r\n"
        "\r\n"
        "Velocitrex is a trademark of Quorvex. All rights not expressly granted are reserved.\r\n";
    return text;
}

}  // namespace vx::setup
