#include "app/online/chat_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/account/account_pictures.h"
#include "app/account/passport_window.h"
#include "app/online/top_ten_lines.h"
#include "app/text.h"
#include "online/field_check.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

std::string ClockStamp() {
  const QDateTime now = QDateTime::currentDateTime();
  return (now.toString(QStringLiteral("hh:mm")) + "_" + now.toString(QStringLiteral("dd.MM.yyyy")) +
          "_" + T(PhraseKey::ProductTitle))
      .toStdString();
}

QLabel* Picture(const QPixmap& pixmap, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(pixmap);
  return label;
}

}  // namespace

ChatWindow::ChatWindow(ServiceClient client, Settings& settings, std::string shared_folder,
                       QWidget* parent)
    : QDialog(parent),
      job_(std::move(client)),
      settings_(settings),
      folder_(std::move(shared_folder)),
      file_(LoadChatFile(folder_)) {
  setObjectName(QStringLiteral("TFormChat"));
  setWindowTitle(T(PhraseKey::TarvoGamesChat));
  notify = [this](const QString& text) {
    QMessageBox::information(this, T(PhraseKey::TarvoGamesChat), text);
  };
  stamp = ClockStamp;

  auto* layout = new QVBoxLayout(this);
  messages_ = new QListWidget(this);
  messages_->setObjectName(QStringLiteral("messages"));
  messages_->setSelectionMode(QAbstractItemView::NoSelection);
  messages_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(messages_, 1);

  auto* write = new QHBoxLayout();
  line_ = new QLineEdit(this);
  line_->setObjectName(QStringLiteral("Edit1"));
  line_->setMaxLength(online::kChatMessageMaxChars);
  write->addWidget(line_, 1);
  send_ = new QPushButton(T(PhraseKey::Send), this);
  send_->setObjectName(QStringLiteral("send"));
  write->addWidget(send_);
  passport_ = new QPushButton(T("Passport"), this);
  passport_->setObjectName(QStringLiteral("passport"));
  write->addWidget(passport_);
  layout->addLayout(write);

  auto* bottom = new QHBoxLayout();
  at_bottom_ = new QCheckBox(T(PhraseKey::LastMessageAtBottom), this);
  at_bottom_->setChecked(file_.at_bottom);
  bottom->addWidget(at_bottom_);
  open_on_new_ = new QCheckBox(T(PhraseKey::OpenOnNewMessage), this);
  open_on_new_->setChecked(file_.open_on_new);
  bottom->addWidget(open_on_new_);
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setObjectName(QStringLiteral("waiting"));
  waiting_->setVisible(false);
  bottom->addWidget(waiting_, 1);
  auto* close = new QPushButton(T(PhraseKey::Close), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  layout->addLayout(bottom);

  Connect();
  timer_.start(kChatLinePeriodMs);
  resize(640, 560);
  Read();
}

void ChatWindow::Connect() {
  connect(&job_, &OnlineJob::BusyChanged, waiting_, &QWidget::setVisible);
  connect(line_, &QLineEdit::returnPressed, this, &ChatWindow::Send);
  connect(send_, &QPushButton::clicked, this, &ChatWindow::Send);
  connect(at_bottom_, &QCheckBox::toggled, this, [this](bool on) {
    file_.at_bottom = on;
    SaveFile();
    Read();
  });
  connect(open_on_new_, &QCheckBox::toggled, this, [this](bool on) {
    file_.open_on_new = on;
    SaveFile();
  });
  connect(passport_, &QPushButton::clicked, this, [this] {
    PassportWindow window(settings_, this);
    window.exec();
    if (save_settings) save_settings();
    if (!PassportPasses()) line_->setEnabled(false);
  });
  connect(&timer_, &QTimer::timeout, this, &ChatWindow::Tick);
  line_->setEnabled(PassportPasses());
  send_->setEnabled(line_->isEnabled());
  connect(line_, &QLineEdit::textChanged, this, [this] { send_->setEnabled(line_->isEnabled()); });
}

bool ChatWindow::PassportPasses() const {
  return online::CheckPassportField(settings_.PassportNick, online::PassportField::Nick) !=
             online::FieldCheck::Invalid &&
         online::CheckPassportField(settings_.PassportCity, online::PassportField::City) !=
             online::FieldCheck::Invalid;
}

void ChatWindow::Tick() {
  if (PassportPasses()) line_->setEnabled(true);
  send_->setEnabled(line_->isEnabled());
}

void ChatWindow::Read() {
  job_.Run([this](const ServiceClient& client) -> OnlineJob::Finish {
    std::optional<TopTenLines> lines = ReadTopTenList(client, online::kChatGameId);
    return [this, lines] { lines ? Show(*lines) : ShowNoConnect(); };
  });
}

void ChatWindow::Send() {
  const QString typed = line_->text().trimmed();
  if (!line_->isEnabled() || typed.isEmpty() || job_.Busy()) return;
  const Passport passport{settings_.PassportNick, settings_.PassportCountry, settings_.PassportCity,
                          settings_.PassportSex};
  const online::TopTenWriteRequest message = ChatMessage(passport, typed.toStdString(), stamp());
  job_.Run([this, message](const ServiceClient& client) -> OnlineJob::Finish {
    ChatSendResult result = SendChatMessage(client, message);
    return [this, result] {
      if (!result.sent) {
        notify(T(PhraseKey::CantSendMessage));
        return;
      }
      line_->clear();
      line_->setEnabled(false);
      send_->setEnabled(false);
      own_ = result.number;  // the player's own message is not news to him
      if (result.list) Show(*result.list);
      file_.last_seen = std::max(file_.last_seen, result.number);
      SaveFile();
    };
  });
}

void ChatWindow::Show(const TopTenLines& lines) {
  TopTenLines filled;
  for (const online::TTarvoRecord& line : lines)
    if (IsFilledLine(line)) filled.push_back(line);
  // Newest first, whatever order the service keeps; reversed for "Last message at the bottom".
  std::stable_sort(filled.begin(), filled.end(),
                   [](const auto& a, const auto& b) { return a.Score > b.Score; });
  if (file_.at_bottom) std::reverse(filled.begin(), filled.end());
  messages_->clear();
  shown_.clear();
  marked_new_.clear();
  for (const online::TTarvoRecord& message : filled)
    AddMessage(message, message.Score > file_.last_seen && message.Score != own_);
  if (file_.at_bottom) messages_->scrollToBottom();
  const int newest = NewestMessage(filled);
  if (newest > 0 && newest != file_.last_seen) {
    file_.last_seen = newest;
    SaveFile();
  }
}

void ChatWindow::AddMessage(const online::TTarvoRecord& message, bool is_new) {
  auto* row = new QWidget(messages_);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(4, 2, 4, 2);
  auto* number = new QLabel(QString::number(message.Score) + ".", row);
  number->setStyleSheet(QStringLiteral("color: #d00000; font-weight: bold;"));
  layout->addWidget(number, 0, Qt::AlignTop);
  layout->addWidget(Picture(CountryFlagOfCode(message.Country), row), 0, Qt::AlignTop);
  layout->addWidget(Picture(FaceIcon(message.R07 == "W" ? 'W' : 'M'), row), 0, Qt::AlignTop);
  auto* text = new QLabel(row);
  text->setTextFormat(Qt::RichText);
  text->setText(ChatHeadText(message).toHtmlEscaped() +
                QStringLiteral("<br><span style=\"color: #000080;\">") +
                ChatBodyText(message).toHtmlEscaped() + QStringLiteral("</span>"));
  text->setWordWrap(true);
  layout->addWidget(text, 1);
  if (is_new) {
    auto* mark = Picture(QPixmap::fromImage(OwnPicture(QStringLiteral("GNew"))), row);
    mark->setObjectName(QStringLiteral("GNew"));
    layout->addWidget(mark, 0, Qt::AlignTop);
    marked_new_.push_back(message.Score);
  }
  auto* item = new QListWidgetItem(messages_);
  item->setSizeHint(row->sizeHint());
  item->setData(Qt::UserRole, ChatHeadText(message) + "\n" + ChatBodyText(message));
  messages_->setItemWidget(item, row);
  shown_.push_back(message.Score);
}

QString ChatWindow::ShownText(int row) const {
  const QListWidgetItem* item = messages_->item(row);
  return item ? item->data(Qt::UserRole).toString() : QString();
}

void ChatWindow::ShowNoConnect() {
  messages_->clear();
  shown_.clear();
  marked_new_.clear();
  auto* item = new QListWidgetItem(T(PhraseKey::NoConnect), messages_);
  item->setForeground(QColor(0xc0, 0, 0));
}

void ChatWindow::SaveFile() {
  (void)SaveChatFile(folder_, file_);  // a shared folder we may not write only costs the mark
}

}  // namespace ostrel
