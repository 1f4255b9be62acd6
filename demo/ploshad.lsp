;;; ploshad.lsp - площадь замкнутого контура в квадратных метрах.
;;; Команда AutoCAD: меню загружает файл и вызывает ее по имени.

(defun c:ploshad (/ ent txt p)
  (if (setq ent (entsel "\nВыберите замкнутую полилинию: "))
    (progn
      (command "_.AREA" "_Object" (car ent))
      (setq txt (strcat "S=" (rtos (/ (getvar "AREA") 1000000.0) 2 2) " м2"))
      (princ (strcat "\nПлощадь: " txt))
      (if (setq p (getpoint "\nТочка для надписи <без надписи>: "))
        (lib_text p (lib_param_real "Высота_текста" 3.5) txt))))
  (princ))

(princ)
