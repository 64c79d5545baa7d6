// Dates as the lists show them: a date-time double in the locale's format.
#include "app/components/locale_date.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace vl::gui {

std::string LocaleDateText(double dateTime) {
  // 0001-01-01 to 9999-12-31; the fraction is the time of day on either side of day 0.
  if (!(dateTime >= -693593.0 && dateTime < 2958466.0)) return {};
  const double days = std::trunc(dateTime);
  const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
  const long milliseconds = std::lround(std::fabs(dateTime - days) * 86400000.0);
  const QTime time = QTime(0, 0).addMSecs(static_cast<int>(std::min(milliseconds, 86399999L)));
  const QLocale locale;
  const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
  return (locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(time, timeFormat))
      .toStdString();
}

}  // namespace vl::gui
