# The headers a program includes, and only those: the two Qt widgets and the enumerations, the
# form-file API, and the toolkit-free core (the host contract, the two controls, the headless
# host). Everything else is the library's own.
# The entry headers are those a program names itself; the installed list is exactly what they
# include, directly or not (installed_headers_public_and_alone checks both ways).
set(VEMO_ENTRY_HEADERS
  qt/QvCalendarWidget.h qt/QvCalButtonWidget.h qt/QvEnums.h
  formfile/FormFile.h calendar/QvCalendar.h calbutton/QvCalButton.h
  headless/HeadlessForm.h headless/HeadlessHost.h headless/HeadlessPropertyPageSite.h headless/MemoryPropertyBag.h
  pages/PropertyPages.h)
set(VEMO_PUBLIC_HEADERS
  qt/QvCalendarWidget.h qt/QvCalButtonWidget.h qt/QvControlWidget.h qt/QvEnums.h
  formfile/FormFile.h formfile/FormBag.h formfile/FormFileError.h
  calendar/QvCalendar.h calendar/Enumerations.h calendar/DayMarks.h calbutton/QvCalButton.h
  headless/HeadlessForm.h headless/HeadlessHost.h headless/HeadlessLocale.h headless/HeadlessWidgets.h
  headless/HeadlessPropertyPageSite.h headless/MemoryPropertyBag.h
  pages/PropertyPages.h about/frmAbout.h
  host/Color.h host/Control.h host/ControlError.h host/ControlSite.h host/Date.h host/Dialog.h
  host/Export.h host/FontObject.h host/Handler.h host/LibraryIdentity.h
  host/LocaleNames.h host/MessageBox.h host/ParentForm.h host/PictureObject.h host/PropertyBag.h
  host/PropertyInfo.h host/PropertyPageSite.h host/PropertyTarget.h host/Variant.h host/Widget.h
  host/WidgetEvents.h host/WidgetFactory.h)
