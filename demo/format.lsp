;;; format.lsp - лист с внешней и внутренней рамкой.

(setq *LIB_FORMATS*
       '(("A4" 210 297) ("A3" 420 297) ("A2" 594 420) ("A1" 841 594) ("A0" 1189 841)))

(defun format (/ name size m p0 p1)
  (setq name (cond ((lib_param "Формат")) ("A3"))
        m (lib_param_real "Масштаб" 1.0))
  (initget "A4 A3 A2 A1 A0")
  (setq name (cond ((getkword (strcat "\nФормат листа [A4/A3/A2/A1/A0] <" name ">: ")))
                   (name))
        size (cdr (assoc (strcase name) *LIB_FORMATS*)))
  (if (setq p0 (getpoint "\nЛевый нижний угол листа: "))
    (progn
      (lib_layer "ФОРМАТ" 7)
      (setq p1 (list (+ (car p0) (* m (car size))) (+ (cadr p0) (* m (cadr size)))))
      (lib_rect p0 p1)
      ;; Поле для подшивки 20 мм слева, по 5 мм с остальных сторон.
      (lib_rect (list (+ (car p0) (* m 20)) (+ (cadr p0) (* m 5)))
                (list (- (car p1) (* m 5)) (- (cadr p1) (* m 5))))
      (setq *LIB_FORMAT_CORNER* (list (- (car p1) (* m 5)) (+ (cadr p0) (* m 5))))
      (princ (strcat "\nЛист " name " построен."))))
  (princ))

(princ)
