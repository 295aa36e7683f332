// The "IRC" page: the chat client's names, counts, default channel and speech switch, and the
// five chat colours in the "IRC System" frame.
#pragma once

#include <QObject>

namespace kestrane {

class INI;

class IrcTab : public QObject {
    Q_OBJECT

  public:
    explicit IrcTab(INI& window);
};

}  // namespace kestrane
